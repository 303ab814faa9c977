#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "store/data_file.h"
#include "store/file_io.h"
#include "store/file_io_platform.h"
#include "store/recovery_file.h"
#include "store/recovery_writer.h"
#include "store/store_file.h"
#include "support/faulty_files.h"
#include "support/random_store.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"

namespace mirevo {
namespace {

using namespace testing;
using Messages = std::vector<std::string>;
using Names = std::vector<std::string>;

class StoreFileTest : public ::testing::Test {
 protected:
  Names Files() const { return folder.FileNames(); }
  std::string Read(const char* name) const { return ReadBytes(folder.File(name)); }
  void Write(const char* name, const std::string& bytes) { WriteBytes(folder.File(name), bytes); }
  std::string Recovered() const { return Read("data.mvd.unsaved"); }

  ScopedTimeZone zone{"UTC0"};  // the backup names below are in UTC
  TempFolder folder;
  FixedClock clock{1796588100};  // 2026-12-06 20:15 UTC
  FaultyFiles files;
  RecoveryFile recovery{folder.File("data.mvd"), clock, files};
};

// Stores of up to 300 works whose texts hold every byte the data file can
// carry come back whole: saved again, they give the same bytes, and every
// field is written. An empty store gives an empty file, which loads quietly
// (a missing one too: every app test starts without one).
TEST_F(StoreFileTest, SaveThenLoadGivesTheSameStoreAndBytesAgain) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    RecordStore original = StoreGenerator(seed).Make(seed % 13 * 25, /*hostile=*/true), loaded;
    StoreFile file(folder.File("data.mvd"), clock);
    ASSERT_EQ(SaveData(file, original), Messages{});
    StoreFile again(folder.File("data.mvd"), clock);
    ASSERT_EQ(LoadFile(again, loaded), Messages{}) << "seed " << seed;
    EXPECT_EQ(loaded.idCounter, original.idCounter);
    ASSERT_EQ(SaveData(again, loaded), Messages{});
    EXPECT_EQ(std::tuple(ReadBytes(file.Path()), Files()),
              std::tuple(FormatData(original), Names{"data.mvd"}))
        << "the same bytes, no backup, no temporary file";
  }
}

// The column widths written are the list's at that moment, and the tab
// shown then becomes "default_type" unless that is 9.
TEST_F(StoreFileTest, SettingsRoundTripWithTheListsWidthsAndTab) {
  for (int defaultType : {3, kNoRememberedTab}) {
    AppSettings settings, loaded;
    std::tie(settings.dataPath, settings.searchPostfix, settings.rememberedTab) =
        std::tuple("番组\\my.mvd", "", defaultType);
    ColumnWidths dragged = settings.columnWidths;
    std::tie(dragged[0], dragged[11]) = std::tuple(25, 333);
    StoreFile file(folder.File("mv.ini"), clock);
    ASSERT_EQ(SaveSettings(file, settings, dragged, 2), Messages{});
    EXPECT_EQ(LoadFile(file, loaded), Messages{});
    EXPECT_EQ(
        std::tie(loaded.dataPath, loaded.searchPostfix, loaded.columnWidths, loaded.rememberedTab),
        std::tuple(settings.dataPath, "", dragged, defaultType == 3 ? 2 : kNoRememberedTab));
  }
  StoreFile missingFolder(folder.File("no-such-folder/mv.ini"), clock);
  AppSettings settings;
  EXPECT_EQ(SaveSettings(missingFolder, settings, {}, 0), Messages{"写入ini文件失败"});
}

// A data file that was damaged, or is there but could not be opened or read
// at start, is kept aside by the first save of the run. While it cannot be
// read the saves refuse and leave its bytes.
TEST_F(StoreFileTest, TheFirstSaveKeepsAFileThatWasDamagedOrCouldNotBeRead) {
  const std::string damaged = "T=0;N=1;n=kept;v=2;\r\nT=0 N=2 n=unread";
  const std::pair<FaultyFiles::Step, Messages> cases[] = {
      {FaultyFiles::kNoStep, {"mvd文件内部出错,此时请不要按保存按钮"}},
      {FaultyFiles::kOpen, {}},
      {FaultyFiles::kRead, {"读取时出现未知错误"}}};
  for (const auto& [refusal, messages] : cases) {
    std::filesystem::remove(folder.File("data.mvd.20261206-2015.bak"));
    Write("data.mvd", damaged);
    files.failing = refusal;
    StoreFile file(folder.File("data.mvd"), clock, files);
    RecordStore store;
    EXPECT_EQ(LoadFile(file, store), messages);
    if (refusal != FaultyFiles::kNoStep) {
      EXPECT_EQ(SaveData(file, store), Messages{"写入文件失败"});
      EXPECT_EQ(std::tuple(Read("data.mvd"), Files()), std::tuple(damaged, Names{"data.mvd"}));
      files.failing = FaultyFiles::kNoStep;
    }
    ASSERT_EQ(SaveData(file, store), Messages{});
    ASSERT_EQ(SaveData(file, store), Messages{});  // only the first save of the run keeps a copy
    EXPECT_EQ(
        std::tuple(Files(), Read("data.mvd.20261206-2015.bak"), Read("data.mvd")),
        std::tuple(Names{"data.mvd", "data.mvd.20261206-2015.bak"}, damaged, FormatData(store)))
        << refusal;
  }

  // The settings file is kept the same way.
  Write("mv.ini", "topshow=1;NoSuchKey=2;");
  StoreFile ini(folder.File("mv.ini"), clock);
  AppSettings settings;
  EXPECT_EQ(LoadFile(ini, settings), Messages{"文件错误"});
  ASSERT_EQ(SaveSettings(ini, settings, settings.columnWidths, 0), Messages{});
  EXPECT_EQ(Read("mv.ini.20261206-2015.bak"), "topshow=1;NoSuchKey=2;");
}

// The recovery file beside the data file, and the thread that writes it.
using RecoveryTest = StoreFileTest;

const Names kDataOnly{"data.mvd"};
const Names kDataAndRecovery{"data.mvd", "data.mvd.unsaved"};

// Whichever step fails, the recovery file is the old one or none, nothing
// else is left behind, and the data file is never touched.
TEST_F(RecoveryTest, AFailedStepLeavesTheOldFileOrNone) {
  using Step = FaultyFiles::Step;
  for (bool hadOne : {false, true}) {
    for (Step step : {Step::kCreate, Step::kWrite, Step::kFlush, Step::kReplace}) {
      Write("data.mvd", "data");
      std::filesystem::remove(folder.File("data.mvd.unsaved"));
      if (hadOne) Write("data.mvd.unsaved", "old");
      files.failing = step;
      EXPECT_FALSE(recovery.Write("new")) << step;
      EXPECT_EQ(std::tuple(Files(), Recovered(), Read("data.mvd")),
                std::tuple(hadOne ? kDataAndRecovery : kDataOnly, hadOne ? "old" : "", "data"))
          << hadOne << " " << step;
    }
  }
  files.failing = Step::kNoStep;
  ASSERT_TRUE(recovery.Write("new"));
  EXPECT_EQ(std::tuple(recovery.Exists(), Recovered()), std::tuple(true, "new"));
  files.failing = Step::kRemove;
  EXPECT_FALSE(recovery.Remove());
  EXPECT_EQ(std::tuple(Files(), Recovered()), std::tuple(kDataAndRecovery, "new"));
  files.failing = Step::kNoStep;
  EXPECT_TRUE(recovery.Remove());
  EXPECT_TRUE(recovery.Remove()) << "with none there, none is left";
  EXPECT_EQ(Files(), kDataOnly);
}

// A file set aside becomes a dated backup, never in place of another; one
// that cannot be kept stays, and is replaced only once it is kept.
TEST_F(RecoveryTest, SetAsideKeepsADatedBackupAndNeverOverwritesOne) {
  EXPECT_TRUE(recovery.SetAside()) << "with none there, none is left";
  for (const char* bytes : {"first", "second"}) {
    Write("data.mvd.unsaved", bytes);
    EXPECT_TRUE(recovery.SetAside());
  }
  EXPECT_EQ(std::tuple(Files().size(), Read("data.mvd.unsaved.20261206-2015.bak"),
                       Read("data.mvd.unsaved.20261206-2015-1.bak")),
            std::tuple(2u, "first", "second"));

  Write("data.mvd.unsaved", "third");
  files.failing = FaultyFiles::kCreate;
  EXPECT_FALSE(recovery.SetAside());
  EXPECT_FALSE(recovery.Write("new"));
  EXPECT_EQ(std::tuple(Recovered(), Files().size()), std::tuple("third", 3u));
  files.failing = FaultyFiles::kNoStep;
  ASSERT_TRUE(recovery.Write("new"));
  EXPECT_EQ(std::tuple(Read("data.mvd.unsaved.20261206-2015-2.bak"), Recovered()),
            std::tuple("third", "new"));
}

// A damaged recovery file reads as a damaged data file does, and what was
// not read is kept before the file is replaced or removed.
TEST_F(RecoveryTest, ADamagedFileLoadsWhatItCanAndIsKeptBeforeItGoes) {
  const std::string damaged = "T=0;N=4;n=kept;\r\nT=0 N=5";
  for (bool thenWrite : {true, false}) {
    std::filesystem::remove(folder.File("data.mvd.unsaved.20261206-2015.bak"));
    Write("data.mvd.unsaved", damaged);
    RecoveryFile again(folder.File("data.mvd"), clock, files);
    RecordStore store;
    EXPECT_EQ(again.Load(store), Names{"mvd文件内部出错,此时请不要按保存按钮"});
    EXPECT_EQ(std::tuple(store.lists[kAnime].size(), store.idCounter), std::tuple(1u, 4));
    ASSERT_TRUE(thenWrite ? again.Write("T=0;") : again.Remove());
    EXPECT_EQ(Read("data.mvd.unsaved.20261206-2015.bak"), damaged) << thenWrite;
    EXPECT_EQ(again.Exists(), thenWrite);
  }
}

using RecoveryWriterTest = RecoveryTest;

// Snapshots that come while a write is under way fold into the newest; the
// last one written is given back for its memory.
// Discard waits for a write under way, drops what waits and leaves no file.
// The writer goes on working afterwards, and its end still writes what waits.
TEST_F(RecoveryWriterTest, WritesTheNewestSnapshotDiscardsAndWritesWhatWaitsAtTheEnd) {
  {
    RecoveryWriter writer(recovery);
    files.SetGate(false);
    writer.Write("a");
    files.WaitUntilHeld();
    writer.Write("b");
    writer.Write("c");
    files.SetGate(true);
    writer.WaitIdle();
    EXPECT_EQ(files.steps,
              (Names{"create", "flush a", "replace ", "create", "flush c", "replace a"}));
    EXPECT_EQ(writer.TakeSpare(), "c");
    EXPECT_EQ(writer.TakeSpare(), "") << "given back once";
    files.SetGate(false);
    writer.Write("d");
    files.WaitUntilHeld();
    writer.Write("e");
    bool removed = false;
    std::thread discarding([&] { removed = writer.Discard(); });
    files.SetGate(true);
    discarding.join();
    writer.WaitIdle();
    EXPECT_EQ(std::tuple(removed, Files()), std::tuple(true, Names{}));
    writer.Write("f");
  }
  EXPECT_EQ(Recovered(), "f");
}

}  // namespace
}  // namespace mirevo
