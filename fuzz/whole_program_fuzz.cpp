// The whole program on arbitrary files. The bytes before the first 0xFF (a
// byte no GBK text holds) are the settings file, the rest the data file,
// placed where the settings say; without a 0xFF there is no settings file.
// They are read as the program reads them at start, every tab is shown,
// every work searched in every encoding and the due summary built; then
// "保存并退出" writes both files. Reading those again and saving again must
// give the same bytes, whether the works come from the data file or from a
// recovery file holding them. Nothing may read past a text.
#include <stdio.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <list>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "app/main_controller.h"
#include "store/app_settings.h"
#include "store/file_io_platform.h"
#include "store/recovery_file.h"
#include "store/store_file.h"

namespace {

using namespace mirevo;

// Files in memory, so that whatever path a settings file names stays inside
// this process.
class MemoryFiles final : public FileSystem {
 public:
  MemoryFiles() = default;
  // A copy holds the same files, none of them open.
  MemoryFiles(const MemoryFiles& other) : contents(other.contents) {}
  MemoryFiles& operator=(const MemoryFiles&) = delete;
  ~MemoryFiles() override {
    for (Stream& stream : streams_) std::free(stream.buffer);
  }

  std::FILE* OpenForReading(const std::string& path, bool& missing) override {
    auto found = contents.find(path);
    missing = found == contents.end();
    if (missing) return nullptr;
    return fmemopen(found->second.data(), found->second.size(), "rb");
  }
  std::FILE* CreateExclusively(const std::string& path) override {
    if (contents.count(path)) return nullptr;
    Stream& stream = streams_.emplace_back();
    std::FILE* file = open_memstream(&stream.buffer, &stream.size);
    if (file == nullptr) return nullptr;
    stream.file = file;
    stream.path = path;
    contents[path];
    return file;
  }
  bool FlushToDisk(std::FILE* file) override {
    if (std::fflush(file) != 0) return false;
    for (Stream& stream : streams_)
      if (stream.file == file) contents[stream.path].assign(stream.buffer, stream.size);
    return true;
  }
  bool ReplaceWith(const std::string& from, const std::string& to) override {
    auto found = contents.find(from);
    if (found == contents.end()) return false;
    std::string bytes = std::move(found->second);
    contents.erase(found);
    contents[to] = std::move(bytes);
    return true;
  }
  bool Remove(const std::string& path) override { return contents.erase(path) == 1; }
  bool Exists(const std::string& path) override { return contents.count(path) == 1; }

  std::map<std::string, std::string> contents;

 private:
  // A stream being written: memstream keeps its buffer up to date at each
  // flush, and the buffer outlives the stream.
  struct Stream {
    std::FILE* file = nullptr;
    std::string path;
    char* buffer = nullptr;
    std::size_t size = 0;
  };
  std::list<Stream> streams_;
};

// Every text the program makes is read through once, so that a text made
// from bytes past its source shows up under the sanitizer.
std::size_t Touch(const std::string& text) {
  std::size_t sum = 0;
  for (char c : text) sum += static_cast<unsigned char>(c);
  return sum;
}

// The window: it shows what it is given, answers the start-up question
// with recover and every other question with "否", and is minimised at the
// end (so the placement read stays as it is).
class FakeWindow final : public MessageView,
                         public ListScreen,
                         public DialogView,
                         public SessionView {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override {
    touched += Touch(text) + Touch(caption);
  }
  Answer AskYesNo(const std::string& text, const std::string&) override {
    touched += Touch(text);
    ++questions;
    return recover ? Answer::kYes : Answer::kNo;
  }
  Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::kNo; }
  int SelectedRow() const override { return selected; }
  void RowsReset() override { selected = -1; }
  void RowChanged(int) override {}
  void RowRemoved(int) override {}
  void SelectRow(int row) override { selected = row; }
  void FocusList() override {}
  void SetCurrentTab(int) override {}
  // The columns as the settings had them when the list was made.
  ColumnWidths CurrentColumnWidths() const override { return settings->columnWidths; }
  bool RunRecordDialog(RecordForm&) override { return false; }
  bool RunTypeDialog(TypeForm&) override { return false; }
  MenuCommand ShowContextMenu(const ContextMenuState&) override { return MenuCommand::kNone; }
  void OpenAddress(const std::string& address) override { touched += Touch(address); }
  std::optional<Rect> RectToKeep() const override { return std::nullopt; }
  void EndProgram() override { ended = true; }

  const AppSettings* settings = nullptr;
  bool recover = false;
  int questions = 0;
  int selected = -1;
  bool ended = false;
  std::size_t touched = 0;
};

constexpr int kEncodings[] = {0, 1, 2, 3, 4, -1};

struct Saved {
  AppSettings settings;  // as read at start
  std::string data, ini;
};

// One life of the program on the files: start, look at everything, save and exit.
Saved Run(MemoryFiles& files, bool recover) {
  FakeWindow window;
  window.recover = recover;
  FixedClock clock(1796588100);  // 2026-12-06 20:15 UTC
  MainController controller(window, window, window, window, clock, files);
  window.settings = &controller.Settings();
  controller.LoadSettings(96);
  Saved saved{controller.Settings(), {}, {}};
  const bool hasRecovery = files.Exists(RecoveryPathOf(saved.settings.dataPath));
  controller.LoadDataAndShowStartTab();
  if (window.questions != (hasRecovery ? 1 : 0)) std::abort();

  MainList& list = controller.List();
  AppSettings& settings = controller.Settings();
  const int startTab = list.CurrentTab();
  const int encoding = settings.searchEncoding;
  for (int tab = 0; tab < kListCount; ++tab) {
    list.OnTabSelected(tab);
    for (int row = 0; row < static_cast<int>(list.Rows().size()); ++row) {
      for (const std::string& text : list.TextsOfRow(row)) window.touched += Touch(text);
      window.selected = row;
      for (int each : kEncodings) {
        settings.searchEncoding = each;
        controller.Commands().Search();
      }
    }
  }
  settings.searchEncoding = encoding;
  window.touched += Touch(list.DueSummaryText());
  list.OnTabSelected(startTab);
  window.selected = -1;

  controller.SaveAndExit();
  if (!window.ended) std::abort();
  saved.data = files.contents[controller.Settings().dataPath];
  saved.ini = files.contents[kSettingsPath];
  return saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const char* cut = static_cast<const char*>(std::memchr(bytes, 0xFF, size));
  MemoryFiles files;
  AppSettings named = DefaultSettingsForDpi(96);
  if (cut != nullptr) {
    files.contents[kSettingsPath].assign(bytes, cut);
    ParseSettings(files.contents[kSettingsPath], named);
  }
  const char* dataStart = cut != nullptr ? cut + 1 : bytes;
  files.contents[named.dataPath].assign(dataStart, bytes + size);

  MemoryFiles first = files;
  const Saved once = Run(first, false);

  // Settings that name the settings file as the data file, or hold texts the
  // settings file cannot carry, do not come back the same; nothing more to
  // compare then.
  const AppSettings& s = once.settings;
  if (s.dataPath == kSettingsPath || !CanSettingsFileCarry(s.dataPath) ||
      !CanSettingsFileCarry(s.searchPrefix) || !CanSettingsFileCarry(s.searchPostfix))
    return 0;

  MemoryFiles second = first;
  const Saved twice = Run(second, false);
  if (twice.data != once.data || twice.ini != once.ini) std::abort();

  // The same works from a recovery file, with a data file that holds other
  // bytes: the recovery file is what is opened.
  MemoryFiles third = first;
  third.contents[RecoveryPathOf(s.dataPath)] = once.data;
  third.contents[s.dataPath] = "T=0;N=1;n=other;";
  const Saved recovered = Run(third, true);
  if (recovered.data != once.data || recovered.ini != once.ini) std::abort();
  if (third.Exists(RecoveryPathOf(s.dataPath))) std::abort();
  return 0;
}
