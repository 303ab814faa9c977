#include <gtest/gtest.h>

#include <filesystem>

#include "store/data_file.h"
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
using testing::TempFolder;
using testing::WriteBytes;
using Messages = std::vector<std::string>;

constexpr char kDamaged[] = "mvd文件内部出错,此时请不要按保存按钮";
constexpr char kWriteFailed[] = "写入文件失败";
// 2026-12-06 20:15 in UTC; the backup names below assume the zone is UTC.
constexpr std::time_t kNow = 1796588100;

class StoreFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    _putenv("TZ=UTC0");
    _tzset();
#else
    setenv("TZ", "UTC", 1);
    tzset();
#endif
  }

  std::vector<std::string> Backups() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      std::string name = entry.path().filename().string();
      if (name.ends_with(".bak")) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder folder;
  FixedClock clock{kNow};
};

TEST_F(StoreFileTest, MissingAndEmptyFilesLoadQuietly) {
  StoreFile missing(folder.File("data.mvd"), clock);
  RecordStore store;
  EXPECT_EQ(LoadFile(missing, store), Messages{});
  EXPECT_FALSE(missing.needs_backup());

  WriteBytes(folder.File("empty.mvd"), "");
  StoreFile empty(folder.File("empty.mvd"), clock);
  EXPECT_EQ(LoadFile(empty, store), Messages{});
  EXPECT_EQ(SaveData(empty, store), Messages{});
  EXPECT_EQ(ReadBytes(folder.File("empty.mvd")), "");
  EXPECT_EQ(Files(), (std::vector<std::string>{"empty.mvd"}));  // no temporary file left
}

TEST_F(StoreFileTest, SaveThenLoadGivesTheSameStoreAndBytes) {
  testing::StoreGenerator generator(7);
  RecordStore original = generator.Make(300, /*hostile=*/true);
  StoreFile file(folder.File("data.mvd"), clock);
  ASSERT_EQ(SaveData(file, original), Messages{});
  const std::string firstBytes = ReadBytes(file.path());
  EXPECT_EQ(firstBytes, FormatData(original));

  RecordStore loaded;
  StoreFile again(folder.File("data.mvd"), clock);
  ASSERT_EQ(LoadFile(again, loaded), Messages{});
  ASSERT_EQ(SaveData(again, loaded), Messages{});
  EXPECT_EQ(ReadBytes(file.path()), firstBytes);
  EXPECT_TRUE(Backups().empty());
}

TEST_F(StoreFileTest, SettingsRoundTrip) {
  AppSettings settings;
  settings.dataPath = "番组\\my.mvd";
  settings.searchPostfix = "";
  settings.reminders.rules[kEarliestUpdateRule] = {1, 0x123456};
  StoreFile file(folder.File("mv.ini"), clock);
  ASSERT_EQ(SaveSettings(file, settings, settings.columnWidths, 2), Messages{});
  AppSettings loaded;
  StoreFile again(folder.File("mv.ini"), clock);
  EXPECT_EQ(LoadFile(again, loaded), Messages{});
  EXPECT_EQ(loaded.dataPath, settings.dataPath);
  EXPECT_EQ(loaded.searchPostfix, "");
  EXPECT_EQ(loaded.reminders, settings.reminders);
  EXPECT_EQ(loaded.defaultType, 2);
}

TEST_F(StoreFileTest, FirstSaveAfterADamagedLoadKeepsTheOldFile) {
  const std::string damaged = "T=0;N=1;n=kept;v=2;\r\nT=0 N=2 n=unread";
  const std::string path = folder.File("data.mvd");
  WriteBytes(path, damaged);

  StoreFile file(path, clock);
  RecordStore store;
  EXPECT_EQ(LoadFile(file, store), Messages{kDamaged});
  EXPECT_TRUE(file.needs_backup());

  ASSERT_EQ(SaveData(file, store), Messages{});
  EXPECT_EQ(Backups(), (std::vector<std::string>{"data.mvd.20261206-2015.bak"}));
  EXPECT_EQ(ReadBytes(folder.File("data.mvd.20261206-2015.bak")), damaged);
  EXPECT_EQ(ReadBytes(path), FormatData(store));

  // Only the first save of the run keeps a copy.
  store.lists[0].Head().name = "changed";
  ASSERT_EQ(SaveData(file, store), Messages{});
  EXPECT_EQ(Backups().size(), 1u);

  // A later damaged run in the same minute never overwrites that backup.
  WriteBytes(path, "garbage");
  StoreFile next(path, clock);
  RecordStore other;
  EXPECT_FALSE(LoadFile(next, other).empty());
  ASSERT_EQ(SaveData(next, other), Messages{});
  EXPECT_EQ(Backups(), (std::vector<std::string>{"data.mvd.20261206-2015-1.bak",
                                                 "data.mvd.20261206-2015.bak"}));
  EXPECT_EQ(ReadBytes(folder.File("data.mvd.20261206-2015.bak")), damaged);
  EXPECT_EQ(ReadBytes(folder.File("data.mvd.20261206-2015-1.bak")), "garbage");
}

TEST_F(StoreFileTest, DamagedSettingsAreKeptToo) {
  const std::string path = folder.File("mv.ini");
  WriteBytes(path, "topshow=1;NoSuchKey=2;");
  StoreFile file(path, clock);
  AppSettings settings;
  EXPECT_EQ(LoadFile(file, settings), Messages{"文件错误"});
  ASSERT_EQ(SaveSettings(file, settings, settings.columnWidths, 0), Messages{});
  EXPECT_EQ(ReadBytes(folder.File("mv.ini.20261206-2015.bak")), "topshow=1;NoSuchKey=2;");
}

// A path that exists but cannot be read (here a folder) is never replaced.
TEST_F(StoreFileTest, UnreadableFileIsNeverOverwritten) {
  const std::string path = folder.File("data.mvd");
  std::filesystem::create_directory(path);
  StoreFile file(path, clock);
  RecordStore store;
  LoadFile(file, store);
  EXPECT_TRUE(file.needs_backup());
  EXPECT_EQ(SaveData(file, store), Messages{kWriteFailed});
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(StoreFileTest, SaveIntoAMissingFolderFails) {
  StoreFile file(folder.File("no-such-folder/data.mvd"), clock);
  testing::StoreGenerator generator(3);
  EXPECT_EQ(SaveData(file, generator.Make(5, false)), Messages{kWriteFailed});
  AppSettings settings;
  StoreFile ini(folder.File("no-such-folder/mv.ini"), clock);
  EXPECT_EQ(SaveSettings(ini, settings, settings.columnWidths, 0), Messages{"写入ini文件失败"});
}

TEST_F(StoreFileTest, FailedReplaceLeavesTheOldFileAndNoTemporary) {
  // The target is a non-empty folder: writing the temporary file works, the
  // replace cannot.
  const std::string path = folder.File("data.mvd");
  std::filesystem::create_directories(folder.path() / "data.mvd" / "inside");
  StoreFile file(path, clock);
  testing::StoreGenerator generator(4);
  EXPECT_EQ(SaveData(file, generator.Make(5, false)), Messages{kWriteFailed});
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "data.mvd" / "inside"));
  EXPECT_EQ(Files(), (std::vector<std::string>{"data.mvd"}));
}

#ifndef _WIN32
// A disk that fills up half-way through the write: the file size limit makes
// the write fail after the first bytes, as a full disk would.
TEST_F(StoreFileTest, WriteFailingHalfWayLeavesTheOldFileIntact) {
  const std::string path = folder.File("data.mvd");
  const std::string old = "T=0;N=1;n=old;";
  WriteBytes(path, old);
  testing::StoreGenerator generator(5);
  RecordStore big = generator.Make(2000, false);
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
  EXPECT_EQ(Files(), (std::vector<std::string>{"data.mvd"}));
}
#endif

}  // namespace
}  // namespace mirevo
