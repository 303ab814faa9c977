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
// and the setting it holds.
struct Entry {
  std::string_view key;
  std::string_view alias;
  Kind kind;
  int (*get)(const AppSettings&);
  void (*set)(AppSettings&, int);
  std::string AppSettings::*text;
};

template <int kColumn>
constexpr Entry Width(std::string_view key, std::string_view alias = "") {
  return {key,
          alias,
          Kind::kNumber,
          [](const AppSettings& s) { return s.columnWidths[kColumn]; },
          [](AppSettings& s, int v) { s.columnWidths[kColumn] = v; },
          nullptr};
}

constexpr Entry Text(std::string_view key, std::string_view alias,
                     std::string AppSettings::*member) {
  return {key, alias, Kind::kText, nullptr, nullptr, member};
}

// The window's rectangle is kept as its corner and size; any of the four
// may come first, and each leaves the others as they are.
void Place(Rect& r, int left, int top, int width, int height) {
  r = Rect::At(left, top, width, height);
}

#define MIREVO_NUMBER(key, alias, expression)                                     \
  Entry {                                                                         \
    key, alias, Kind::kNumber, [](const AppSettings& s) { return s.expression; }, \
        [](AppSettings& s, int v) { s.expression = v; }, nullptr                  \
  }

// The order of this table is the order of the file.
const Entry kEntries[] = {
    Width<0>("0"),
    Width<1>("1"),
    Width<2>("2"),
    Width<3>("3"),
    Width<4>("4"),
    Width<5>("5"),
    Width<6>("6"),
    Width<7>("7"),
    Width<8>("8"),
    Width<9>("9"),
    Width<10>("10", "k"),
    Text("m_path", "p", &AppSettings::dataPath),
    MIREVO_NUMBER("accuracy", "a", dueByDay.value),
    MIREVO_NUMBER("alpha", "l", transparency),
    {"pos[0]", "z", Kind::kNumber, [](const AppSettings& s) { return s.windowRect.left; },
     [](AppSettings& s, int v) {
       Place(s.windowRect, v, s.windowRect.top, s.windowRect.Width(), s.windowRect.Height());
     },
     nullptr},
    {"pos[1]", "x", Kind::kNumber, [](const AppSettings& s) { return s.windowRect.top; },
     [](AppSettings& s, int v) {
       Place(s.windowRect, s.windowRect.left, v, s.windowRect.Width(), s.windowRect.Height());
     },
     nullptr},
    {"pos[2]", "c", Kind::kNumber, [](const AppSettings& s) { return s.windowRect.Width(); },
     [](AppSettings& s, int v) {
       Place(s.windowRect, s.windowRect.left, s.windowRect.top, v, s.windowRect.Height());
     },
     nullptr},
    {"pos[3]", "v", Kind::kNumber, [](const AppSettings& s) { return s.windowRect.Height(); },
     [](AppSettings& s, int v) {
       Place(s.windowRect, s.windowRect.left, s.windowRect.top, s.windowRect.Width(), v);
     },
     nullptr},
    MIREVO_NUMBER("preview", "w", previewOn.value),
    MIREVO_NUMBER("topshow", "t", topmost.value),
    MIREVO_NUMBER("AllowTrayBTip", "b", trayBalloons.value),
    MIREVO_NUMBER("default_type", "d", rememberedTab),
    MIREVO_NUMBER("tipshowtype", "B", summarySections),
    MIREVO_NUMBER("AutoHide", "", autoHide.value),
    MIREVO_NUMBER("AniWin", "", slideWhenHiding.value),
    MIREVO_NUMBER("MaxSign", "", maximised.value),
    {"ColorSet", "", Kind::kColorSet, nullptr, nullptr, nullptr},
    Width<11>("11"),
    MIREVO_NUMBER("SearchSource", "", searchSource),
    MIREVO_NUMBER("SearchEncode", "", searchEncoding),
    Text("SearchPrefix", "", &AppSettings::searchPrefix),
    Text("SearchPostfix", "", &AppSettings::searchPostfix),
};

#undef MIREVO_NUMBER

const Entry* FindEntry(std::string_view key) {
  for (const Entry& entry : kEntries)
    if (key == entry.key || (!entry.alias.empty() && key == entry.alias)) return &entry;
  return nullptr;
}

}  // namespace

AppSettings::AppSettings() : searchPrefix(BuiltInSearchSources()[0].prefix) {}

int AppSettings::StartTab() const {
  return rememberedTab >= 0 && rememberedTab < kListCount ? rememberedTab : 0;
}

int AppSettings::TransparencyLevel() const {
  return transparency >= 0 && transparency < kTransparencyLevels ? transparency : 0;
}

bool CanSettingsFileCarry(std::string_view text) {
  // No GBK trail byte is ";" (they start at 0x40), so a byte-wise look is exact.
  return text.find(';') == std::string_view::npos && text.find('\0') == std::string_view::npos;
}

AppSettings DefaultSettingsForDpi(int dpi) {
  AppSettings settings;
  if (dpi <= 0) return settings;
  auto scale = [dpi](int pixels) {
    return static_cast<int>((static_cast<long long>(pixels) * dpi + 48) / 96);
  };
  for (int& width : settings.columnWidths) width = scale(width);
  const Rect& r = settings.windowRect;
  settings.windowRect = Rect::At(scale(r.left), scale(r.top), scale(r.Width()), scale(r.Height()));
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
        entry->set(settings, ReadAtoi(value));
        break;
      case Kind::kText:
        (settings.*entry->text).assign(value);
        break;
      case Kind::kColorSet:
        if (!ParseColorSet(value, settings.reminders)) messages.emplace_back(kFileError);
        break;
    }
  }
  return messages;
}

std::string FormatSettings(const AppSettings& settings) {
  std::string out;
  out.reserve(640 + settings.dataPath.size() + settings.searchPrefix.size() +
              settings.searchPostfix.size());
  for (const Entry& entry : kEntries) {
    out += entry.key;
    out += '=';
    switch (entry.kind) {
      case Kind::kNumber:
        out += std::to_string(entry.get(settings));
        break;
      case Kind::kText:
        out += settings.*entry.text;
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
