// The data file read on a thread while the window is made: the start takes
// what it read when that is the file the settings name.
#include <gtest/gtest.h>

#include "app_fakes.h"
#include "store/data_preload.h"

namespace mirevo::testing {
namespace {

// The platform's files, except that the preload finds the two files' bytes
// in others: which works the start shows tells whose reading it took.
class ElsewhereFiles final : public FileSystem {
 public:
  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    const std::string elsewhere = path == ".//data.mvd" ? "preloaded.mvd"
                                  : path == kSettingsPath ? "preloaded.ini"
                                                          : path;
    return real.OpenForReading(elsewhere, missing);
  }
  std::FILE* CreateExclusively(const std::string& path) override {
    return real.CreateExclusively(path);
  }
  bool FlushToDisk(std::FILE* file) override { return real.FlushToDisk(file); }
  bool ReplaceWith(const std::string& from, const std::string& to) override {
    return real.ReplaceWith(from, to);
  }
  bool Remove(const std::string& path) override { return real.Remove(path); }
  bool Exists(const std::string& path) override { return real.Exists(path); }

  FileSystem& real = NativeFileSystem();
};

class PreloadTest : public AppTest {
 protected:
  void StartWithPreload() {
    DataPreload preload(clock, files);
    controller.GetSession().UsePreload(preload);
    Start();
  }
  ElsewhereFiles files;
};

// Its works, its messages (once) and its damage, which keeps the file's
// bytes before the first save.
TEST_F(PreloadTest, TheStartTakesWhatThePreloadRead) {
  WriteBytes("data.mvd", "T=0;N=1;n=read at the start;");
  WriteBytes("preloaded.mvd", "T=0;N=1;n=preloaded;N=");
  StartWithPreload();
  list.OnTabSelected(kAnime);
  EXPECT_EQ(Text(0, kColumnName), "preloaded");
  EXPECT_EQ(view.messages, (ShownList{{"mvd文件内部出错,此时请不要按保存按钮", kAppTitle}}));
  Saved();
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"data.mvd", "data.mvd.20060131-2030.bak",
                                                          "mv.ini", "preloaded.mvd"}));
}

// The settings name another data file than the preload found (the settings
// file changed in between): the start reads that one itself.
TEST_F(PreloadTest, AnotherDataFileIsReadAtTheStart) {
  WriteBytes("preloaded.ini", "");
  WriteBytes("preloaded.mvd", "T=0;N=1;n=preloaded;");
  WriteBytes("mv.ini", "p=.//other.mvd;");
  WriteBytes("other.mvd", "T=0;N=1;n=other;");
  StartWithPreload();
  list.OnTabSelected(kAnime);
  EXPECT_EQ(Text(0, kColumnName), "other");
}

}  // namespace
}  // namespace mirevo::testing
