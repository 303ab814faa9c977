// Loading and saving the two store files. A file that was damaged or
// unreadable at load time is kept under a backup name before the first save
// of the run, so nothing that was not read is ever destroyed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/app_settings.h"
#include "store/clock.h"
#include "store/file_io.h"
#include "store/file_io_platform.h"
#include "store/record_store.h"

namespace mirevo {

inline constexpr char kSettingsPath[] = ".//mv.ini";

class StoreFile {
 public:
  // files: the file operations, which tests replace.
  StoreFile(std::string path, const Clock& clock, FileSystem& files = NativeFileSystem())
      : path_(std::move(path)), clock_(&clock), files_(&files) {}

  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }

  // Reads the whole file; a missing file gives an empty text and no message.
  // Returns the messages of the read itself; the text goes to text.
  std::vector<std::string> Read(std::string& text);
  // Marks the file as one whose bytes are kept before it is replaced: the
  // parser reported something, or it could not be read or set aside.
  void MarkDamaged() { needsBackup_ = true; }
  bool NeedsBackup() const { return needsBackup_; }
  // Writes the bytes atomically, keeping a backup first when needed; returns
  // false when the file was not written.
  bool Write(std::string_view bytes);
  bool Write(const PieceSource& source);

 private:
  std::string path_;
  const Clock* clock_;
  FileSystem* files_;
  bool needsBackup_ = false;
};

// Keeps the bytes under the first free backup name of path for the clock's
// minute, path.YYYYMMDD-HHMM[-n].bak; an existing backup is never
// overwritten. False when no backup could be written.
bool KeepBackup(const std::string& path, std::string_view bytes, const Clock& clock,
                FileSystem& files = NativeFileSystem());

// LoadFile for the data file and for the settings file: read, parse, and
// return every message to show, in order.
std::vector<std::string> LoadFile(StoreFile& file, RecordStore& store);
std::vector<std::string> LoadFile(StoreFile& file, AppSettings& settings);

// Returns the messages to show ("写入文件失败" on failure; none on success).
std::vector<std::string> SaveData(StoreFile& file, const RecordStore& store);
// The column widths are the list's at this moment; unless no tab is
// remembered, the current tab becomes the remembered one. Both are kept in the settings.
std::vector<std::string> SaveSettings(StoreFile& file, AppSettings& settings,
                                      const ColumnWidths& widths, int currentTab);

}  // namespace mirevo
