#include "store/store_file.h"

#include <cstdio>
#include <ctime>
#include <new>
#include <utility>

#include "store/data_file.h"
#include "store/file_io.h"

namespace mirevo {
namespace {

constexpr int kMaxBackupAttempts = 1000;

// The backup name for the clock's minute and an attempt. Backups are also
// made on the recovery file's writer thread, hence the thread-safe local time.
std::string BackupName(const std::string& path, const Clock& clock, int attempt) {
  char stamp[32] = "00000000-0000";
  if (std::tm local{}; ToLocalTime(clock.Now(), local))
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M", &local);
  std::string name = path + "." + stamp;
  if (attempt > 0) {
    name += '-';
    name += std::to_string(attempt);
  }
  return name + ".bak";
}

}  // namespace

bool KeepBackup(const std::string& path, std::string_view bytes, const Clock& clock,
                FileSystem& files) {
  for (int attempt = 0; attempt < kMaxBackupAttempts; ++attempt) {
    std::string name = BackupName(path, clock, attempt);
    if (!FileExists(name, files) && WriteNewFile(name, bytes, files)) return true;
  }
  return false;
}

std::vector<std::string> StoreFile::Read(std::string& text) {
  text.clear();
  FileContents contents = ReadWholeFile(path_, *files_);
  switch (contents.status) {
    case ReadStatus::kOk:
      text = std::move(contents.bytes);
      return {};
    case ReadStatus::kMissing:
      return {};
    case ReadStatus::kOpenFailed:
      needsBackup_ = true;
      return {};
    case ReadStatus::kNoMemory:
      needsBackup_ = true;
      return {"预分配缓冲出错"};
    case ReadStatus::kReadFailed:
      needsBackup_ = true;
      return {"读取时出现未知错误"};
  }
  return {};
}

bool StoreFile::Write(std::string_view bytes) {
  return Write(OnePiece(bytes));
}

bool StoreFile::Write(const PieceSource& source) {
  if (needsBackup_ && FileExists(path_, *files_)) {
    // Keep exactly what is on disk before it is replaced; without a copy the
    // save does not happen.
    FileContents old = ReadWholeFile(path_, *files_);
    if (old.status != ReadStatus::kOk || !KeepBackup(path_, old.bytes, *clock_, *files_))
      return false;
  }
  needsBackup_ = false;
  return ReplaceFileAtomically(path_, source, *files_);
}

std::vector<std::string> LoadFile(StoreFile& file, RecordStore& store) {
  std::string text;
  std::vector<std::string> messages = file.Read(text);
  std::vector<std::string> parsed = ParseData(std::move(text), store);
  if (!parsed.empty()) file.MarkDamaged();
  messages.insert(messages.end(), parsed.begin(), parsed.end());
  return messages;
}

std::vector<std::string> LoadFile(StoreFile& file, AppSettings& settings) {
  std::string text;
  std::vector<std::string> messages = file.Read(text);
  std::vector<std::string> parsed = ParseSettings(text, settings);
  if (!parsed.empty()) file.MarkDamaged();
  messages.insert(messages.end(), parsed.begin(), parsed.end());
  return messages;
}

// The file is written in pieces formatted one after another into one buffer:
// a save touches no more fresh memory than that buffer, whatever the size of
// the store. Without memory for the buffer nothing is written and the old
// file stays.
std::vector<std::string> SaveData(StoreFile& file, const RecordStore& store) {
  constexpr std::size_t kPieceBytes = 256 * 1024;
  try {
    if (file.Write([&store](const PieceWriter& write) {
          return FormatDataInPieces(store, kPieceBytes, write);
        }))
      return {};
  } catch (const std::bad_alloc&) {
  }
  return {"写入文件失败"};
}

std::vector<std::string> SaveSettings(StoreFile& file, AppSettings& settings,
                                      const ColumnWidths& widths, int currentTab) {
  settings.columnWidths = widths;
  if (settings.rememberedTab != kNoRememberedTab) settings.rememberedTab = currentTab;
  try {
    if (file.Write(FormatSettings(settings))) return {};
  } catch (const std::bad_alloc&) {
  }
  return {"写入ini文件失败"};
}

}  // namespace mirevo
