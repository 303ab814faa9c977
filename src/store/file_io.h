// File access for the two store files. Paths are GBK bytes; on Windows they
// are converted with code page 936 and opened through the W functions.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "store/file_io_platform.h"

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

// files: the file operations to use; tests replace them to make a step fail
// or to watch the order of the steps.

FileContents ReadWholeFile(const std::string& path, FileSystem& files = NativeFileSystem());

bool FileExists(const std::string& path, FileSystem& files = NativeFileSystem());

// Bytes that come in pieces: a source hands each piece to write, in order,
// and returns false as soon as write does (or when it cannot go on).
using PieceWriter = std::function<bool(std::string_view piece)>;
using PieceSource = std::function<bool(const PieceWriter& write)>;

// The bytes as a source of one piece; they must outlive it.
PieceSource OnePiece(std::string_view bytes);

// Writes the bytes to a temporary file beside path, flushes it to disk and
// replaces path with it in one step. On any failure path is left as it was
// and the temporary file is removed.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           FileSystem& files = NativeFileSystem());
bool ReplaceFileAtomically(const std::string& path, const PieceSource& source,
                           FileSystem& files = NativeFileSystem());

// Creates newPath with the bytes, failing (without touching it) when newPath
// already exists.
bool WriteNewFile(const std::string& newPath, std::string_view bytes,
                  FileSystem& files = NativeFileSystem());

}  // namespace mirevo
