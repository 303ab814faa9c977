// The platform's files, of which one step can be made to fail (a locked
// file, a full disk, a refused replace), with the steps of every save
// written down and a gate that holds each write at its start while closed.
#pragma once

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "store/file_io_platform.h"
#include "support/temp_folder.h"

namespace mirevo::testing {

class FaultyFiles final : public FileSystem {
 public:
  enum Step { kNoStep, kOpen, kRead, kCreate, kWrite, kFlush, kReplace, kRemove };

  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    missing = false;
    if (failing == kOpen) return nullptr;
    // A stream that gives no bytes.
    if (failing == kRead) return std::fopen(path.c_str(), "ab");
    return real.OpenForReading(path, missing);
  }
  std::FILE* CreateExclusively(const std::string& path) override {
    {
      std::unique_lock lock(gate_);
      held_ = true;
      gateChanged_.notify_all();
      gateChanged_.wait(lock, [this] { return open_; });
    }
    steps.push_back("create");
    if (failing == kCreate) return nullptr;
    created_ = path;
    std::FILE* file = real.CreateExclusively(path);
    // A stream that takes no bytes, as on a full disk.
    return file && failing == kWrite ? std::freopen(path.c_str(), "rb", file) : file;
  }
  bool FlushToDisk(std::FILE* file) override {
    const bool flushed = real.FlushToDisk(file);
    steps.push_back("flush " + ReadBytes(created_));
    return flushed && failing != kFlush;
  }
  bool ReplaceWith(const std::string& from, const std::string& to) override {
    steps.push_back("replace " + ReadBytes(to));
    return failing != kReplace && real.ReplaceWith(from, to);
  }
  // Only a recovery file refuses to go; a failed write's temporary file is
  // cleaned up.
  bool Remove(const std::string& path) override {
    if (failing == kRemove && path.ends_with(".unsaved")) return false;
    return real.Remove(path);
  }
  bool Exists(const std::string& path) override { return real.Exists(path); }

  void SetGate(bool open) {
    std::lock_guard lock(gate_);
    open_ = open;
    held_ = false;
    gateChanged_.notify_all();
  }
  // Waits until a write has reached the gate since it was last set.
  void WaitUntilHeld() {
    std::unique_lock lock(gate_);
    gateChanged_.wait(lock, [this] { return held_; });
  }

  FileSystem& real = NativeFileSystem();
  Step failing = kNoStep;
  // "create", "flush <the new bytes>", "replace <the old bytes>", in order.
  std::vector<std::string> steps;

 private:
  // A mutex and a condition, not atomic waits: the Windows runtime's atomic
  // wait can miss a wake-up and hold a test for good.
  std::mutex gate_;
  std::condition_variable gateChanged_;
  bool open_ = true, held_ = false;
  std::string created_;
};

}  // namespace mirevo::testing
