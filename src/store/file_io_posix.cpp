#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "store/file_io_platform.h"

namespace mirevo {
namespace {

// Makes a finished rename durable by syncing the folder that holds it.
void SyncFolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

class NativeFiles final : public FileSystem {
 public:
  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    missing = file == nullptr && errno == ENOENT;
    return file;
  }

  std::FILE* CreateExclusively(const std::string& path) override {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) ::close(fd);
    return file;
  }

  bool FlushToDisk(std::FILE* file) override {
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
  }

  bool ReplaceWith(const std::string& from, const std::string& to) override {
    if (std::rename(from.c_str(), to.c_str()) != 0) return false;
    SyncFolderOf(to);
    return true;
  }

  bool Remove(const std::string& path) override { return std::remove(path.c_str()) == 0; }

  bool Exists(const std::string& path) override {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
  }

  std::optional<std::time_t> ModificationTime(const std::string& path) override {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return info.st_mtime;
  }
};

}  // namespace

FileSystem& NativeFileSystem() {
  static NativeFiles files;
  return files;
}

}  // namespace mirevo
