// The data file read and parsed on a thread of its own while the window is
// being made, so that the start waits only for what is left of it. The
// settings file names the data file; the thread reads it for that name as
// the start will, and leaves its messages to the start's own reading.
#pragma once

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "store/clock.h"
#include "store/file_io_platform.h"
#include "store/record_store.h"

namespace mirevo {

class DataPreload {
 public:
  struct Loaded {
    RecordStore store;
    std::vector<std::string> messages;  // LoadFile's, to show in order
    bool needsBackup = false;           // the file's bytes are kept before a save
  };

  // Starts reading at once.
  explicit DataPreload(const Clock& clock, FileSystem& files = NativeFileSystem());
  ~DataPreload();
  DataPreload(const DataPreload&) = delete;
  DataPreload& operator=(const DataPreload&) = delete;

  // Waits for the thread. What it read when that was dataPath, else nothing
  // (the settings named another file after all, or it was taken already).
  std::optional<Loaded> Take(const std::string& dataPath);

 private:
  void Finish();

  std::string path_;  // the data file the thread read
  Loaded loaded_;
  bool taken_ = false;
  std::thread thread_;  // last: it starts once the rest is made
};

}  // namespace mirevo
