#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "reminders_time_zone.h"
#include "store/data_file.h"
#include "store/file_io.h"
#include "store/file_io_platform.h"
#include "store/store_file.h"
#include "support/random_store.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace mirevo {
namespace {

using testing::ReadBytes;
using testing::StoreGenerator;
using testing::WriteBytes;
using Messages = std::vector<std::string>;
using Names = std::vector<std::string>;

constexpr char kDamaged[] = "mvd文件内部出错,此时请不要按保存按钮";
constexpr char kWriteFailed[] = "写入文件失败";

class StoreFileTest : public ::testing::Test {
 protected:
  // The folder's file names, sorted; only the backups with ".bak".
  Names Files(const std::string& ending = "") const {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      if (entry.path().filename().string().ends_with(ending))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::ScopedTimeZone zone{"UTC0"};  // the backup names below are in UTC
  testing::TempFolder folder;
  FixedClock clock{1796588100};  // 2026-12-06 20:15 UTC
};

TEST_F(StoreFileTest, MissingAndEmptyFilesLoadQuietly) {
  StoreFile missing(folder.File("data.mvd"), clock);
  RecordStore store;
  EXPECT_EQ(LoadFile(missing, store), Messages{});

  WriteBytes(folder.File("empty.mvd"), "");
  StoreFile empty(folder.File("empty.mvd"), clock);
  EXPECT_EQ(LoadFile(empty, store), Messages{});
  EXPECT_EQ(SaveData(empty, store), Messages{});
  EXPECT_EQ(ReadBytes(folder.File("empty.mvd")), "");
  EXPECT_EQ(Files(), Names{"empty.mvd"}) << "no temporary file left";
}

TEST_F(StoreFileTest, SaveThenLoadGivesTheSameBytesAgain) {
  RecordStore original = StoreGenerator(7).Make(300, /*hostile=*/true);
  StoreFile file(folder.File("data.mvd"), clock);
  ASSERT_EQ(SaveData(file, original), Messages{});
  const std::string firstBytes = ReadBytes(file.Path());
  EXPECT_EQ(firstBytes, FormatData(original));

  RecordStore loaded;
  StoreFile again(folder.File("data.mvd"), clock);
  ASSERT_EQ(LoadFile(again, loaded), Messages{});
  ASSERT_EQ(SaveData(again, loaded), Messages{});
  EXPECT_EQ(ReadBytes(file.Path()), firstBytes);
  EXPECT_EQ(Files(), Names{"data.mvd"}) << "no backup, no temporary file";
}

// The column widths written are the list's at that moment, and the tab
// shown then becomes "default_type" unless that is 9.
TEST_F(StoreFileTest, SettingsRoundTripWithTheListsWidthsAndTab) {
  for (int defaultType : {3, kNoRememberedTab}) {
    AppSettings settings;
    settings.dataPath = "番组\\my.mvd";
    settings.searchPostfix = "";
    settings.reminders.rules[kEarliestUpdateRule] = {1, 0x123456};
    settings.defaultType = defaultType;
    ColumnWidths dragged = settings.columnWidths;
    dragged[0] = 25;
    dragged[11] = 333;
    StoreFile file(folder.File("mv.ini"), clock);
    ASSERT_EQ(SaveSettings(file, settings, dragged, 2), Messages{});
    AppSettings loaded;
    StoreFile again(folder.File("mv.ini"), clock);
    EXPECT_EQ(LoadFile(again, loaded), Messages{});
    EXPECT_EQ(loaded.dataPath, settings.dataPath);
    EXPECT_EQ(loaded.searchPostfix, "");
    EXPECT_EQ(loaded.reminders, settings.reminders);
    EXPECT_EQ(loaded.columnWidths, dragged);
    EXPECT_EQ(loaded.defaultType, defaultType == kNoRememberedTab ? kNoRememberedTab : 2);
  }
}

TEST_F(StoreFileTest, FirstSaveAfterADamagedLoadKeepsTheOldFile) {
  const std::string damaged = "T=0;N=1;n=kept;v=2;\r\nT=0 N=2 n=unread";
  const std::string path = folder.File("data.mvd");
  WriteBytes(path, damaged);

  StoreFile file(path, clock);
  RecordStore store;
  EXPECT_EQ(LoadFile(file, store), Messages{kDamaged});
  ASSERT_EQ(SaveData(file, store), Messages{});
  EXPECT_EQ(Files(".bak"), Names{"data.mvd.20261206-2015.bak"});
  EXPECT_EQ(ReadBytes(folder.File("data.mvd.20261206-2015.bak")), damaged);
  EXPECT_EQ(ReadBytes(path), FormatData(store));

  // Only the first save of the run keeps a copy.
  store.lists[0].Head().name = "changed";
  ASSERT_EQ(SaveData(file, store), Messages{});
  EXPECT_EQ(Files(".bak").size(), 1u);

  // A later damaged run in the same minute never overwrites that backup.
  WriteBytes(path, "garbage");
  StoreFile next(path, clock);
  RecordStore other;
  EXPECT_FALSE(LoadFile(next, other).empty());
  ASSERT_EQ(SaveData(next, other), Messages{});
  EXPECT_EQ(Files(".bak"), (Names{"data.mvd.20261206-2015-1.bak", "data.mvd.20261206-2015.bak"}));
  EXPECT_EQ(ReadBytes(folder.File("data.mvd.20261206-2015.bak")), damaged);
  EXPECT_EQ(ReadBytes(folder.File("data.mvd.20261206-2015-1.bak")), "garbage");

  // The settings file is kept the same way.
  WriteBytes(folder.File("mv.ini"), "topshow=1;NoSuchKey=2;");
  StoreFile ini(folder.File("mv.ini"), clock);
  AppSettings settings;
  EXPECT_EQ(LoadFile(ini, settings), Messages{"文件错误"});
  ASSERT_EQ(SaveSettings(ini, settings, settings.columnWidths, 0), Messages{});
  EXPECT_EQ(ReadBytes(folder.File("mv.ini.20261206-2015.bak")), "topshow=1;NoSuchKey=2;");
}

// A path that exists but cannot be read (here a folder) is never replaced;
// nor is one that cannot be replaced (a non-empty folder), and no temporary
// file is left behind.
TEST_F(StoreFileTest, UnreadableOrIrreplaceableFileIsNeverOverwritten) {
  for (bool empty : {true, false}) {
    const std::filesystem::path target = folder.path() / "data.mvd";
    std::filesystem::remove_all(target);
    std::filesystem::create_directories(empty ? target : target / "inside");
    StoreFile file(target.string(), clock);
    RecordStore store;
    LoadFile(file, store);
      EXPECT_EQ(SaveData(file, StoreGenerator(4).Make(5, false)), Messages{kWriteFailed});
    EXPECT_TRUE(std::filesystem::is_directory(empty ? target : target / "inside"));
    EXPECT_EQ(Files(), Names{"data.mvd"});
  }
}

// The platform's files, with every call a save makes written down in order;
// the file's bytes are looked at when they are flushed.
class RecordingFiles final : public FileSystem {
 public:
  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    return real.OpenForReading(path, missing);
  }
  std::FILE* CreateExclusively(const std::string& path) override {
    calls.push_back("create");
    created = path;
    return real.CreateExclusively(path);
  }
  bool FlushToDisk(std::FILE* file) override {
    const bool flushed = real.FlushToDisk(file);
    calls.push_back("flush " + ReadBytes(created));
    return flushed;
  }
  bool ReplaceWith(const std::string& from, const std::string& to) override {
    calls.push_back("replace " + ReadBytes(to));
    return real.ReplaceWith(from, to);
  }
  bool Remove(const std::string& path) override { return real.Remove(path); }
  bool Exists(const std::string& path) override { return real.Exists(path); }

  FileSystem& real = NativeFileSystem();
  std::vector<std::string> calls;
  std::string created;
};

// The new bytes reach the disk before the old file is replaced, so a crash
// leaves either file whole.
TEST_F(StoreFileTest, AnAtomicSaveWritesAndFlushesBeforeItReplaces) {
  const std::string path = folder.File("data.mvd");
  WriteBytes(path, "old");
  RecordingFiles files;
  ASSERT_TRUE(ReplaceFileAtomically(path, "new", files));
  EXPECT_EQ(files.calls, (Names{"create", "flush new", "replace old"}));
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_EQ(Files(), Names{"data.mvd"});
}

TEST_F(StoreFileTest, SaveIntoAMissingFolderFails) {
  StoreFile file(folder.File("no-such-folder/data.mvd"), clock);
  EXPECT_EQ(SaveData(file, StoreGenerator(3).Make(5, false)), Messages{kWriteFailed});
  AppSettings settings;
  StoreFile ini(folder.File("no-such-folder/mv.ini"), clock);
  EXPECT_EQ(SaveSettings(ini, settings, settings.columnWidths, 0), Messages{"写入ini文件失败"});
}

#ifndef _WIN32
// A disk that fills up half-way through the write: the file size limit makes
// the write fail after the first bytes, as a full disk would.
TEST_F(StoreFileTest, WriteFailingHalfWayLeavesTheOldFileIntact) {
  const std::string path = folder.File("data.mvd");
  const std::string old = "T=0;N=1;n=old;";
  WriteBytes(path, old);
  RecordStore big = StoreGenerator(5).Make(2000, false);
  ASSERT_GT(FormatData(big).size(), 100000u);

  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 50000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  StoreFile file(path, clock);
  Messages messages = SaveData(file, big);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(messages, Messages{kWriteFailed});
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(Files(), Names{"data.mvd"});
}
#endif

}  // namespace
}  // namespace mirevo
