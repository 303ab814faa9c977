#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "store/file_io_platform.h"
#include "text/codepage.h"

namespace mirevo {
namespace {

// The path as the W functions take it; empty when the bytes are not GBK.
std::wstring WidePath(const std::string& path) {
  auto wide = GbkToUtf16(path);
  if (!wide) return std::wstring();
  return std::wstring(wide->begin(), wide->end());
}

class NativeFiles final : public FileSystem {
 public:
  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    missing = false;
    std::wstring wide = WidePath(path);
    if (wide.empty()) return nullptr;
    std::FILE* file = _wfopen(wide.c_str(), L"rb");
    if (file == nullptr) {
      DWORD attributes = GetFileAttributesW(wide.c_str());
      missing = attributes == INVALID_FILE_ATTRIBUTES;
    }
    return file;
  }

  std::FILE* CreateExclusively(const std::string& path) override {
    std::wstring wide = WidePath(path);
    if (wide.empty()) return nullptr;
    int fd = _wopen(wide.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) _close(fd);
    return file;
  }

  bool FlushToDisk(std::FILE* file) override {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
  }

  bool ReplaceWith(const std::string& from, const std::string& to) override {
    std::wstring wideFrom = WidePath(from);
    std::wstring wideTo = WidePath(to);
    if (wideFrom.empty() || wideTo.empty()) return false;
    return MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool Remove(const std::string& path) override {
    std::wstring wide = WidePath(path);
    return !wide.empty() && DeleteFileW(wide.c_str()) != 0;
  }

  bool Exists(const std::string& path) override {
    std::wstring wide = WidePath(path);
    return !wide.empty() && GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  std::optional<std::time_t> ModificationTime(const std::string& path) override {
    std::wstring wide = WidePath(path);
    WIN32_FILE_ATTRIBUTE_DATA info;
    if (wide.empty() || !GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &info))
      return std::nullopt;
    // A FILETIME counts 100-nanosecond steps from 1601-01-01 UTC.
    constexpr unsigned long long kStepsPerSecond = 10000000ULL;
    constexpr unsigned long long kStepsTo1970 = 116444736000000000ULL;
    const unsigned long long steps =
        (static_cast<unsigned long long>(info.ftLastWriteTime.dwHighDateTime) << 32) |
        info.ftLastWriteTime.dwLowDateTime;
    if (steps < kStepsTo1970) return std::nullopt;
    return static_cast<std::time_t>((steps - kStepsTo1970) / kStepsPerSecond);
  }
};

}  // namespace

FileSystem& NativeFileSystem() {
  static NativeFiles files;
  return files;
}

}  // namespace mirevo
