// Writes the recovery file on a thread of its own, so that a command never
// waits for the disk. The window thread hands over finished snapshots; the
// writer writes the newest one, and snapshots that come while a write is
// under way replace each other, so only the last of them is written.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "store/recovery_file.h"

namespace mirevo {

class RecoveryWriter {
 public:
  // The file is written on the writer's thread from the first Write on;
  // until then, and while Discard works, the caller may use it.
  explicit RecoveryWriter(RecoveryFile& file) : file_(file) {}
  // Writes what waits, then ends the thread.
  ~RecoveryWriter() { Stop(); }
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // Hands over a snapshot of the store's bytes, to be written as soon as
  // the thread is free.
  void Write(std::string snapshot);
  // The changes are saved or given up: drops the snapshot that waits, lets
  // a write under way end, and removes the file. True when no file stays.
  bool Discard();
  // Returns once every snapshot handed over has been written or has failed.
  void WaitIdle();
  // Writes what waits and ends the thread; a later Write starts it again.
  void Stop();
  // True once, for the first write that failed: the window's thread asks,
  // and tells the user.
  bool TakeFailure();
  // The last snapshot written, whose memory the next one can be made in: a
  // large store's snapshot then touches no fresh memory. Empty at first.
  std::string TakeSpare();

 private:
  void Run();

  RecoveryFile& file_;
  std::mutex mutex_;
  std::condition_variable wake_;  // something to write, or stop
  std::condition_variable idle_;  // a write ended
  std::optional<std::string> pending_;
  std::string spare_;
  bool writing_ = false;
  bool stopping_ = false;
  enum class Failure { kNone, kUnreported, kReported } failure_ = Failure::kNone;
  std::thread thread_;
};

}  // namespace mirevo
