#include "store/file_io.h"

#include <memory>
#include <new>

#include "store/file_io_platform.h"

namespace mirevo {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Writes all pieces and closes the stream; false if any of it failed.
bool WriteAndClose(FileSystem& files, std::FILE* raw, const PieceSource& source) {
  FilePtr file(raw);
  const bool written = source([&file](std::string_view piece) {
    return std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
  });
  if (!written || !files.FlushToDisk(file.get())) return false;
  return std::fclose(file.release()) == 0;
}

}  // namespace

PieceSource OnePiece(std::string_view bytes) {
  return [bytes](const PieceWriter& write) { return bytes.empty() || write(bytes); };
}

FileContents ReadWholeFile(const std::string& path, FileSystem& files) {
  FileContents contents;
  bool missing = false;
  FilePtr file(files.OpenForReading(path, missing));
  if (!file) {
    contents.status = missing ? ReadStatus::kMissing : ReadStatus::kOpenFailed;
    return contents;
  }
  if (std::fseek(file.get(), 0, SEEK_END) != 0) {
    contents.status = ReadStatus::kReadFailed;
    return contents;
  }
  long length = std::ftell(file.get());
  if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) {
    contents.status = ReadStatus::kReadFailed;
    return contents;
  }
  try {
    contents.bytes.resize(static_cast<std::size_t>(length));
  } catch (const std::bad_alloc&) {
    contents.status = ReadStatus::kNoMemory;
    return contents;
  }
  if (std::fread(contents.bytes.data(), 1, contents.bytes.size(), file.get()) !=
      contents.bytes.size()) {
    contents.bytes.clear();
    contents.status = ReadStatus::kReadFailed;
    return contents;
  }
  contents.status = ReadStatus::kOk;
  return contents;
}

bool FileExists(const std::string& path, FileSystem& files) {
  return files.Exists(path);
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileSystem& files) {
  return ReplaceFileAtomically(path, OnePiece(bytes), files);
}

bool ReplaceFileAtomically(const std::string& path, const PieceSource& source, FileSystem& files) {
  // A temporary name of our own beside the target, so the final rename stays
  // on one volume and never clobbers a file we did not create.
  std::string temp;
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < 100 && file == nullptr; ++attempt) {
    temp = path + ".tmp" + (attempt ? std::to_string(attempt) : std::string());
    file = files.CreateExclusively(temp);
  }
  if (file == nullptr) return false;
  if (!WriteAndClose(files, file, source) || !files.ReplaceWith(temp, path)) {
    files.Remove(temp);
    return false;
  }
  return true;
}

bool WriteNewFile(const std::string& newPath, std::string_view bytes, FileSystem& files) {
  std::FILE* file = files.CreateExclusively(newPath);
  if (file == nullptr) return false;
  if (!WriteAndClose(files, file, OnePiece(bytes))) {
    files.Remove(newPath);
    return false;
  }
  return true;
}

}  // namespace mirevo
