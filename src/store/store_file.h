// Loading and saving the two store files. A file that was damaged or
// unreadable at load time is kept under a backup name before the first save
// of the run, so nothing that was not read is ever destroyed.
#pragma once

#include <string>
#include <vector>

#include "store/app_settings.h"
#include "store/clock.h"
#include "store/record_store.h"

namespace mirevo {

inline constexpr char kSettingsPath[] = ".//mv.ini";

class StoreFile {
 public:
  StoreFile(std::string path, const Clock& clock) : path_(std::move(path)), clock_(&clock) {}

  const std::string& path() const { return path_; }
  void set_path(std::string path) { path_ = std::move(path); }
  // True when the next save first keeps the old file under a backup name.
  bool needs_backup() const { return needsBackup_; }

  // Reads the whole file; a missing file gives an empty text and no message.
  // Returns the messages of the read itself; the text goes to text.
  std::vector<std::string> Read(std::string& text);
  // Marks the file as not fully understood (the parser reported something).
  void MarkDamaged() { needsBackup_ = true; }
  // Writes the bytes atomically, keeping a backup first when needed; returns
  // false when the file was not written.
  bool Write(const std::string& bytes);

  // The backup name for a given stamp and attempt: path.YYYYMMDD-HHMM[-n].bak
  std::string BackupName(int attempt) const;

 private:
  std::string path_;
  const Clock* clock_;
  bool needsBackup_ = false;
};

// LoadFile for the data file and for the settings file: read, parse, and
// return every message to show, in order.
std::vector<std::string> LoadFile(StoreFile& file, RecordStore& store);
std::vector<std::string> LoadFile(StoreFile& file, AppSettings& settings);

// Returns the messages to show ("写入文件失败" on failure; none on success).
std::vector<std::string> SaveData(StoreFile& file, const RecordStore& store);
std::vector<std::string> SaveSettings(StoreFile& file, AppSettings& settings,
                                      const ColumnWidths& widths, int currentTab);

}  // namespace mirevo
