// The recovery file beside the data file, and the thread that writes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "store/recovery_file.h"
#include "store/recovery_writer.h"
#include "support/faulty_files.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"

namespace mirevo {
namespace {

using testing::FaultyFiles;
using testing::ReadBytes;
using testing::WriteBytes;
using Names = std::vector<std::string>;

class RecoveryTest : public ::testing::Test {
 protected:
  Names Files() const { return folder.FileNames(); }
  std::string Path(const char* name) const { return folder.File(name); }
  std::string Recovered() const { return ReadBytes(Path("data.mvd.unsaved")); }

  testing::ScopedTimeZone zone{"UTC0"};  // the backup names below are in UTC
  testing::TempFolder folder;
  FixedClock clock{1796588100};  // 2026-12-06 20:15 UTC
  FaultyFiles files;
  RecoveryFile file{folder.File("data.mvd"), clock, files};
};

const Names kDataOnly{"data.mvd"};
const Names kDataAndRecovery{"data.mvd", "data.mvd.unsaved"};

// Whichever step fails, the recovery file is the old one or none, nothing
// else is left behind, and the data file is never touched.
TEST_F(RecoveryTest, AFailedStepLeavesTheOldFileOrNone) {
  using Step = FaultyFiles::Step;
  for (bool hadOne : {false, true}) {
    for (Step step : {Step::kCreate, Step::kWrite, Step::kFlush, Step::kReplace}) {
      WriteBytes(Path("data.mvd"), "data");
      std::filesystem::remove(Path("data.mvd.unsaved"));
      if (hadOne) WriteBytes(Path("data.mvd.unsaved"), "old");
      files.failing = step;
      EXPECT_FALSE(file.Write("new")) << step;
      EXPECT_EQ(std::tuple(Files(), Recovered(), ReadBytes(Path("data.mvd"))),
                std::tuple(hadOne ? kDataAndRecovery : kDataOnly, hadOne ? "old" : "", "data"))
          << hadOne << " " << step;
    }
  }
  files.failing = Step::kNoStep;
  ASSERT_TRUE(file.Write("new"));
  EXPECT_EQ(std::tuple(file.Exists(), Recovered()), std::tuple(true, "new"));
  files.failing = Step::kRemove;
  EXPECT_FALSE(file.Remove());
  EXPECT_EQ(std::tuple(Files(), Recovered()), std::tuple(kDataAndRecovery, "new"));
  files.failing = Step::kNoStep;
  EXPECT_TRUE(file.Remove());
  EXPECT_TRUE(file.Remove()) << "with none there, none is left";
  EXPECT_EQ(Files(), kDataOnly);
}

// A file set aside becomes a dated backup, never in place of another; one
// that cannot be kept stays, and is replaced only once it is kept.
TEST_F(RecoveryTest, SetAsideKeepsADatedBackupAndNeverOverwritesOne) {
  EXPECT_TRUE(file.SetAside()) << "with none there, none is left";
  for (const char* bytes : {"first", "second"}) {
    WriteBytes(Path("data.mvd.unsaved"), bytes);
    EXPECT_TRUE(file.SetAside());
  }
  EXPECT_EQ(Files(),
            (Names{"data.mvd.unsaved.20261206-2015-1.bak", "data.mvd.unsaved.20261206-2015.bak"}));
  EXPECT_EQ(std::tuple(ReadBytes(Path("data.mvd.unsaved.20261206-2015.bak")),
                       ReadBytes(Path("data.mvd.unsaved.20261206-2015-1.bak"))),
            std::tuple("first", "second"));

  WriteBytes(Path("data.mvd.unsaved"), "third");
  files.failing = FaultyFiles::kCreate;
  EXPECT_FALSE(file.SetAside());
  EXPECT_FALSE(file.Write("new"));
  EXPECT_EQ(std::tuple(Recovered(), Files().size()), std::tuple("third", 3u));
  files.failing = FaultyFiles::kNoStep;
  ASSERT_TRUE(file.Write("new"));
  EXPECT_EQ(std::tuple(ReadBytes(Path("data.mvd.unsaved.20261206-2015-2.bak")), Recovered()),
            std::tuple("third", "new"));
}

// A damaged recovery file reads as a damaged data file does, and what was
// not read is kept before the file is replaced or removed.
TEST_F(RecoveryTest, ADamagedFileLoadsWhatItCanAndIsKeptBeforeItGoes) {
  const std::string damaged = "T=0;N=4;n=kept;\r\nT=0 N=5";
  for (bool thenWrite : {true, false}) {
    std::filesystem::remove(Path("data.mvd.unsaved.20261206-2015.bak"));
    WriteBytes(Path("data.mvd.unsaved"), damaged);
    RecoveryFile again(Path("data.mvd"), clock, files);
    RecordStore store;
    EXPECT_EQ(again.Load(store), Names{"mvd文件内部出错,此时请不要按保存按钮"});
    ASSERT_EQ(store.lists[kAnime].size(), 1u);
    EXPECT_EQ(std::tuple(store.lists[kAnime].begin()->name, store.idCounter),
              std::tuple("kept", 4));
    ASSERT_TRUE(thenWrite ? again.Write("T=0;") : again.Remove());
    EXPECT_EQ(ReadBytes(Path("data.mvd.unsaved.20261206-2015.bak")), damaged) << thenWrite;
    EXPECT_EQ(again.Exists(), thenWrite);
  }
}

using RecoveryWriterTest = RecoveryTest;

// Snapshots that come while a write is under way fold into the newest, and
// the end of the writer still writes the one that waits.
TEST_F(RecoveryWriterTest, WritesTheNewestSnapshotAndWhatWaitsAtTheEnd) {
  {
    RecoveryWriter writer(file);
    files.SetGate(false);
    writer.Write("a");
    files.WaitUntilHeld();
    writer.Write("b");
    writer.Write("c");
    files.SetGate(true);
  }
  EXPECT_EQ(files.replacedWith, (Names{"a", "c"}));
  EXPECT_EQ(std::tuple(Files(), Recovered()), std::tuple(Names{"data.mvd.unsaved"}, "c"));
}

// Discard waits for a write under way, drops what waits, and leaves no file;
// the writer goes on working afterwards.
TEST_F(RecoveryWriterTest, DiscardLeavesNoFileEvenWithAWriteUnderWay) {
  RecoveryWriter writer(file);
  files.SetGate(false);
  writer.Write("a");
  files.WaitUntilHeld();
  writer.Write("b");
  bool removed = false;
  std::thread discarding([&] { removed = writer.Discard(); });
  files.SetGate(true);
  discarding.join();
  writer.WaitIdle();
  EXPECT_EQ(std::tuple(removed, Files()), std::tuple(true, Names{}));
  writer.Write("d");
  writer.WaitIdle();
  EXPECT_EQ(Recovered(), "d");
}

}  // namespace
}  // namespace mirevo
