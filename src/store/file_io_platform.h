// The few file operations that differ between Windows and POSIX, behind one
// interface so that a test can watch the order in which a save uses them.
// Paths are GBK bytes.
#pragma once

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

namespace mirevo {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens for binary reading; missing tells a file that does not exist apart
  // from one that could not be opened.
  virtual std::FILE* OpenForReading(const std::string& path, bool& missing) = 0;

  // Creates a new file for binary writing; nullptr when it exists or fails.
  virtual std::FILE* CreateExclusively(const std::string& path) = 0;

  // Flushes the stream's buffers and the operating system's to the disk.
  virtual bool FlushToDisk(std::FILE* file) = 0;

  // Replaces to with from in one step (the old to, if any, disappears).
  virtual bool ReplaceWith(const std::string& from, const std::string& to) = 0;

  virtual bool Remove(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;

  // When the file's contents were last written; nullopt when there is no
  // such file or the time cannot be told. A file system that keeps no
  // times (a test's) need not say.
  virtual std::optional<std::time_t> ModificationTime(const std::string& /*path*/) {
    return std::nullopt;
  }
};

// The platform's own files.
FileSystem& NativeFileSystem();

}  // namespace mirevo
