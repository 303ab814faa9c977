// File access for the two store files. Paths are GBK bytes; on Windows they
// are converted with code page 936 and opened through the W functions.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

enum class ReadStatus {
  kOk,
  kMissing,     // no such file: a normal first start
  kOpenFailed,  // exists but could not be opened
  kReadFailed,
  kNoMemory,  // no buffer for the file's length
};

struct FileContents {
  ReadStatus status = ReadStatus::kMissing;
  std::string bytes;
};

class FileSystem;

FileContents ReadWholeFile(const std::string& path);

bool FileExists(const std::string& path);

// Writes the bytes to a temporary file beside path, flushes it to disk and
// replaces path with it in one step. On any failure path is left as it was
// and the temporary file is removed.
// files: the file operations to use (tests watch their order).
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileSystem& files);

// Creates newPath with the bytes, failing (without touching it) when newPath
// already exists.
bool WriteNewFile(const std::string& newPath, std::string_view bytes);

}  // namespace mirevo
