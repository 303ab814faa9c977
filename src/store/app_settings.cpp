#include "store/app_settings.h"

#include "search/search_sources.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

constexpr std::size_t kMaxKeyBytes = 14;
constexpr char kIniDamaged[] = "ini文件内部出错,此时请不要按保存按钮";
constexpr char kFileError[] = "文件错误";

enum class Kind { kNumber, kText, kColorSet };

// One row of the settings file: its key, the short alias accepted on reading,
// and where the value lives.
struct Entry {
  std::string_view key;
  std::string_view alias;
  Kind kind;
  int& (*number)(AppSettings&);
  std::string& (*text)(AppSettings&);
};

template <int kColumn>
int& Width(AppSettings& s) {
  return s.columnWidths[kColumn];
}
template <int kIndex>
int& Placement(AppSettings& s) {
  return s.windowPlacement[kIndex];
}

#define MIREVO_NUMBER(member) [](AppSettings& s) -> int& { return s.member; }, nullptr
#define MIREVO_TEXT(member) nullptr, [](AppSettings& s) -> std::string& { return s.member; }
#define MIREVO_WIDTH(column) &Width<column>, nullptr

// The order of this table is the order of the file.
const Entry kEntries[] = {
    {"0", "", Kind::kNumber, MIREVO_WIDTH(0)},
    {"1", "", Kind::kNumber, MIREVO_WIDTH(1)},
    {"2", "", Kind::kNumber, MIREVO_WIDTH(2)},
    {"3", "", Kind::kNumber, MIREVO_WIDTH(3)},
    {"4", "", Kind::kNumber, MIREVO_WIDTH(4)},
    {"5", "", Kind::kNumber, MIREVO_WIDTH(5)},
    {"6", "", Kind::kNumber, MIREVO_WIDTH(6)},
    {"7", "", Kind::kNumber, MIREVO_WIDTH(7)},
    {"8", "", Kind::kNumber, MIREVO_WIDTH(8)},
    {"9", "", Kind::kNumber, MIREVO_WIDTH(9)},
    {"10", "k", Kind::kNumber, MIREVO_WIDTH(10)},
    {"m_path", "p", Kind::kText, MIREVO_TEXT(dataPath)},
    {"accuracy", "a", Kind::kNumber, MIREVO_NUMBER(accuracy)},
    {"alpha", "l", Kind::kNumber, MIREVO_NUMBER(alpha)},
    {"pos[0]", "z", Kind::kNumber, &Placement<0>, nullptr},
    {"pos[1]", "x", Kind::kNumber, &Placement<1>, nullptr},
    {"pos[2]", "c", Kind::kNumber, &Placement<2>, nullptr},
    {"pos[3]", "v", Kind::kNumber, &Placement<3>, nullptr},
    {"preview", "w", Kind::kNumber, MIREVO_NUMBER(preview)},
    {"topshow", "t", Kind::kNumber, MIREVO_NUMBER(topShow)},
    {"AllowTrayBTip", "b", Kind::kNumber, MIREVO_NUMBER(allowTrayBalloonTip)},
    {"default_type", "d", Kind::kNumber, MIREVO_NUMBER(defaultType)},
    {"tipshowtype", "B", Kind::kNumber, MIREVO_NUMBER(tipShowType)},
    {"AutoHide", "", Kind::kNumber, MIREVO_NUMBER(autoHide)},
    {"AniWin", "", Kind::kNumber, MIREVO_NUMBER(aniWin)},
    {"MaxSign", "", Kind::kNumber, MIREVO_NUMBER(maxSign)},
    {"ColorSet", "", Kind::kColorSet, nullptr, nullptr},
    {"11", "", Kind::kNumber, MIREVO_WIDTH(11)},
    {"SearchSource", "", Kind::kNumber, MIREVO_NUMBER(searchSource)},
    {"SearchEncode", "", Kind::kNumber, MIREVO_NUMBER(searchEncode)},
    {"SearchPrefix", "", Kind::kText, MIREVO_TEXT(searchPrefix)},
    {"SearchPostfix", "", Kind::kText, MIREVO_TEXT(searchPostfix)},
};

#undef MIREVO_NUMBER
#undef MIREVO_TEXT
#undef MIREVO_WIDTH

const Entry* FindEntry(std::string_view key) {
  for (const Entry& entry : kEntries)
    if (key == entry.key || (!entry.alias.empty() && key == entry.alias)) return &entry;
  return nullptr;
}

}  // namespace

AppSettings::AppSettings() : searchPrefix(BuiltInSearchSources()[0].prefix) {}

int AppSettings::StartTab() const {
  return defaultType >= 0 && defaultType < kListCount ? defaultType : 0;
}

int AppSettings::SafeAlpha() const {
  return alpha >= 0 && alpha <= 9 ? alpha : 0;
}

bool CanSettingsFileCarry(std::string_view text) {
  // No GBK trail byte is ";" (they start at 0x40), so a byte-wise look is exact.
  return text.find(';') == std::string_view::npos && text.find('\0') == std::string_view::npos;
}

AppSettings DefaultSettingsForDpi(int dpi) {
  AppSettings settings;
  if (dpi <= 0) return settings;
  auto scale = [dpi](int& pixels) {
    pixels = static_cast<int>((static_cast<long long>(pixels) * dpi + 48) / 96);
  };
  for (int& width : settings.columnWidths) scale(width);
  for (int& value : settings.windowPlacement) scale(value);
  return settings;
}

std::vector<std::string> ParseSettings(std::string_view text, AppSettings& settings) {
  std::vector<std::string> messages;
  std::size_t pos = 0;
  while (pos < text.size()) {
    // The key runs to the first "=" and has at most 14 bytes.
    std::size_t limit = std::min(text.size(), pos + kMaxKeyBytes + 1);
    std::size_t equals = text.find('=', pos);
    if (equals == std::string_view::npos || equals >= limit) {
      messages.emplace_back(kIniDamaged);
      break;
    }
    std::size_t semicolon = text.find(';', equals + 1);
    if (semicolon == std::string_view::npos) {
      messages.emplace_back(kIniDamaged);
      break;
    }
    std::string_view key = text.substr(pos, equals - pos);
    std::string_view value = text.substr(equals + 1, semicolon - equals - 1);
    pos = semicolon + 1;

    const Entry* entry = FindEntry(key);
    if (entry == nullptr) {
      messages.emplace_back(kFileError);
      continue;
    }
    switch (entry->kind) {
      case Kind::kNumber:
        entry->number(settings) = ReadAtoi(value);
        break;
      case Kind::kText:
        entry->text(settings).assign(value);
        break;
      case Kind::kColorSet:
        if (!ParseColorSet(value, settings.reminders)) messages.emplace_back(kFileError);
        break;
    }
  }
  return messages;
}

std::string FormatSettings(const AppSettings& settings) {
  // The table's accessors are the reader's, which write through them: the
  // entries are read from a copy.
  AppSettings readable = settings;
  std::string out;
  out.reserve(640 + settings.dataPath.size() + settings.searchPrefix.size() +
              settings.searchPostfix.size());
  for (const Entry& entry : kEntries) {
    out += entry.key;
    out += '=';
    switch (entry.kind) {
      case Kind::kNumber:
        out += std::to_string(entry.number(readable));
        break;
      case Kind::kText:
        out += entry.text(readable);
        break;
      case Kind::kColorSet:
        out += FormatColorSet(settings.reminders);
        break;
    }
    out += ';';
  }
  return out;
}

}  // namespace mirevo
