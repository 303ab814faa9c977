#include "ui/controls/qx_menu.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "look/menu_colours.h"
#include "look/menu_metrics.h"
#include "ui/win32/gdi.h"
#include "ui/win32/module.h"
#include "ui/win32/screen_metrics.h"
#include "ui/win32/wide_text.h"

namespace mirevo::ui {
namespace {

// Menu templates nest pop-ups; a deeper one is a broken resource.
constexpr int kMaxDepth = 16;
constexpr WORD kPopupFlag = 0x10;
constexpr WORD kEndFlag = 0x80;

SystemKind CurrentSystemKind() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!::GetVersionExW(&version)) return SystemKindOf(SystemFamily::kWindowsNt, 0, 0);
  const SystemFamily family = version.dwPlatformId == VER_PLATFORM_WIN32_NT
                                  ? SystemFamily::kWindowsNt
                                  : SystemFamily::kWindows9x;
  return SystemKindOf(family, static_cast<int>(version.dwMajorVersion),
                      static_cast<int>(version.dwMinorVersion));
}

bool ClassicThemeInUse() {
  win32::RegistryKey key;
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Plus!\\Themes\\Current", 0,
                      KEY_READ, &opened) != ERROR_SUCCESS) {
    return false;
  }
  key.reset(opened);
  wchar_t path[261] = {};
  DWORD type = 0;
  DWORD bytes = sizeof path - sizeof(wchar_t);
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path),
                         &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  path[bytes / sizeof(wchar_t)] = L'\0';
  return IsClassicThemePath(win32::GbkFromWide(path).value_or(""));
}

// The menu font of the non-client metrics, made once.
HFONT MenuFont() {
  static const win32::FontHandle font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      return win32::FontHandle();
    return win32::FontHandle(::CreateFontIndirectW(&metrics.lfMenuFont));
  }();
  return font ? font.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

SystemColours ReadSystemColours() {
  SystemColours c;
  c.menu = ::GetSysColor(COLOR_MENU);
  c.menuText = ::GetSysColor(COLOR_MENUTEXT);
  c.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  c.highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  c.grayText = ::GetSysColor(COLOR_GRAYTEXT);
  c.window = ::GetSysColor(COLOR_WINDOW);
  c.buttonFace = ::GetSysColor(COLOR_BTNFACE);
  c.buttonHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  c.buttonShadow = ::GetSysColor(COLOR_BTNSHADOW);
  return c;
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
  win32::PenHandle pen(::CreatePen(PS_SOLID, 1, colour));
  win32::SelectionScope selected(dc, pen.get());
  ::MoveToEx(dc, x1, y1, nullptr);
  ::LineTo(dc, x2, y2);
}

// A tick drawn in the cell: short stroke down, long stroke up.
void DrawCheckMark(HDC dc, const RECT& cell, COLORREF colour) {
  const int w = cell.right - cell.left;
  const int h = cell.bottom - cell.top;
  const POINT points[] = {{cell.left + w * 3 / 16, cell.top + h / 2},
                          {cell.left + w * 7 / 16, cell.top + h * 3 / 4},
                          {cell.left + w * 13 / 16, cell.top + h / 4}};
  win32::PenHandle pen(::CreatePen(PS_SOLID, std::max(2, w / 8), colour));
  win32::SelectionScope selected(dc, pen.get());
  ::Polyline(dc, points, 3);
}

// The text with its mnemonic underline; an accelerator after a tab goes
// to the right edge.
void DrawItemText(HDC dc, const std::wstring& text, RECT area, bool hidePrefix) {
  const UINT format = DT_SINGLELINE | DT_VCENTER | (hidePrefix ? DT_HIDEPREFIX : 0);
  const std::size_t tab = text.find(L'\t');
  const std::wstring label = text.substr(0, tab);
  ::DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &area, format | DT_LEFT);
  if (tab == std::wstring::npos) return;
  const std::wstring accelerator = text.substr(tab + 1);
  ::DrawTextW(dc, accelerator.c_str(), static_cast<int>(accelerator.size()), &area,
              format | DT_RIGHT);
}

struct ItemState {
  bool selected = false;
  bool grayed = false;
  bool checked = false;
  bool hidePrefix = false;
};

RECT CheckCell(const RECT& item, const MenuMetrics& m, const MenuItemColumns& columns) {
  const int top = item.top + (item.bottom - item.top - m.iconCellHeight) / 2;
  const int left = item.left + columns.cellLeft;
  return {left, top, left + m.iconCellWidth, top + m.iconCellHeight};
}

}  // namespace

class QxMenu::TemplateReader {
 public:
  explicit TemplateReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<WORD> Word() {
    if (bytes_.size() - position_ < sizeof(WORD)) return std::nullopt;
    WORD value = 0;
    std::memcpy(&value, bytes_.data() + position_, sizeof value);
    position_ += sizeof value;
    return value;
  }

  std::optional<std::wstring> Text() {
    std::wstring text;
    for (;;) {
      const std::optional<WORD> unit = Word();
      if (!unit) return std::nullopt;
      if (*unit == 0) return text;
      text.push_back(static_cast<wchar_t>(*unit));
    }
  }

  bool Skip(std::size_t count) {
    if (bytes_.size() - position_ < count) return false;
    position_ += count;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

MenuLook QxMenu::SystemLook() {
  static const MenuLook look = MenuLookInUse(CurrentSystemKind(), ClassicThemeInUse());
  return look;
}

QxMenu::~QxMenu() {
  // The pop-ups' handles go with their menu bar (owned_); their QxMenus
  // only hold the items.
  owned_.reset();
}

bool QxMenu::Load(int resourceId) {
  const std::optional<std::string_view> bytes = win32::LoadResourceBytes(RT_MENU, resourceId);
  return bytes && LoadTemplate(*bytes);
}

bool QxMenu::LoadTemplate(std::string_view bytes) {
  if (menu_ != nullptr) return false;
  TemplateReader reader(bytes);
  const std::optional<WORD> version = reader.Word();
  const std::optional<WORD> headerSize = reader.Word();
  if (!version || *version != 0 || !headerSize || !reader.Skip(*headerSize)) return false;
  owned_.reset(::CreateMenu());
  menu_ = owned_.get();
  if (menu_ != nullptr && ReadLevel(reader, 0)) return true;
  items_.clear();
  subMenus_.clear();
  owned_.reset();
  menu_ = nullptr;
  return false;
}

bool QxMenu::ReadLevel(TemplateReader& reader, int depth) {
  if (depth > kMaxDepth) return false;
  for (;;) {
    const std::optional<WORD> flags = reader.Word();
    if (!flags) return false;
    if ((*flags & kPopupFlag) != 0) {
      std::optional<std::wstring> text = reader.Text();
      if (!text) return false;
      auto subMenu = std::make_unique<QxMenu>(look_);
      subMenu->owned_.reset(::CreatePopupMenu());
      subMenu->menu_ = subMenu->owned_.get();
      if (subMenu->menu_ == nullptr || !subMenu->ReadLevel(reader, depth + 1)) return false;
      if (!Append(*flags, 0, std::move(*text), std::move(subMenu))) return false;
    } else {
      const std::optional<WORD> id = reader.Word();
      std::optional<std::wstring> text = reader.Text();
      if (!id || !text) return false;
      if (!Append(*flags, *id, std::move(*text), nullptr)) return false;
    }
    if ((*flags & kEndFlag) != 0) return true;
  }
}

bool QxMenu::Append(WORD flags, UINT id, std::wstring text, std::unique_ptr<QxMenu> subMenu) {
  auto item = std::make_unique<Item>();
  item->text = std::move(text);
  item->id = id;
  item->separator = subMenu == nullptr && id == 0;
  item->subMenu = subMenu.get();

  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.fType = MFT_OWNERDRAW | (item->separator ? MFT_SEPARATOR : 0) |
               (flags & (MF_MENUBREAK | MF_MENUBARBREAK));
  info.fState = ((flags & (MF_GRAYED | MF_DISABLED)) != 0 ? MFS_GRAYED : 0) |
                ((flags & MF_CHECKED) != 0 ? MFS_CHECKED : 0);
  info.wID = id;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
  if (subMenu) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = subMenu->menu_;
  }
  const UINT position = static_cast<UINT>(items_.size());
  if (!::InsertMenuItemW(menu_, position, TRUE, &info)) return false;
  items_.push_back(std::move(item));
  if (subMenu) {
    subMenu->owned_.release();  // this menu destroys it now
    subMenus_.push_back(std::move(subMenu));
  }
  return true;
}

QxMenu* QxMenu::SubMenu(int position) const {
  if (position < 0 || static_cast<std::size_t>(position) >= items_.size()) return nullptr;
  return items_[static_cast<std::size_t>(position)]->subMenu;
}

bool QxMenu::OwnsItemData(ULONG_PTR itemData) const {
  for (const auto& item : items_)
    if (reinterpret_cast<ULONG_PTR>(item.get()) == itemData) return true;
  return false;
}

bool QxMenu::OwnsMenu(HMENU menu) const {
  return menu != nullptr && menu == menu_;
}

void QxMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  const auto& item = *reinterpret_cast<const Item*>(measure.itemData);
  const int dpi = win32::ScreenDpi();
  const int menuBar = ::GetSystemMetrics(SM_CYMENU);
  MenuItemSize size;
  if (item.separator) {
    size = MeasureMenuSeparator(look_, menuBar, dpi);
  } else {
    // Measured with the font the items are drawn with.
    const win32::ClientDc screen(nullptr);
    const win32::SelectionScope font(screen.get(), MenuFont());
    RECT text{};
    ::DrawTextW(screen.get(), item.text.c_str(), static_cast<int>(item.text.size()), &text,
                DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
    size = MeasureMenuItem(look_, text.right - text.left, menuBar, dpi);
  }
  measure.itemWidth = static_cast<UINT>(size.width);
  measure.itemHeight = static_cast<UINT>(size.height);
}

void QxMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
  const auto& item = *reinterpret_cast<const Item*>(draw.itemData);
  HDC dc = draw.hDC;
  const RECT& rect = draw.rcItem;
  const win32::SavedDcState saved(dc);
  const bool palette = (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
  const MenuLook look = DrawingLook(look_, palette);
  const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
  const MenuMetrics metrics = MenuMetricsFor(look, dpi);
  const MenuItemColumns columns = MenuColumnsFor(look, dpi);
  const SystemColours system = ReadSystemColours();
  const ItemState state{(draw.itemState & ODS_SELECTED) != 0,
                        (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0,
                        (draw.itemState & ODS_CHECKED) != 0, (draw.itemState & ODS_NOACCEL) != 0};
  ::SelectObject(dc, MenuFont());
  ::SetBkMode(dc, TRANSPARENT);
  const RECT cell = CheckCell(rect, metrics, columns);
  RECT textArea{rect.left + columns.textLeft, rect.top, rect.right - metrics.spacing, rect.bottom};
  const int middle = rect.top + (rect.bottom - rect.top) / 2;

  if (look == MenuLook::kClassic) {
    const ClassicMenuColours c = ClassicMenuColoursFor(system);
    const bool lit = state.selected && !item.separator;
    win32::FillSolid(dc, rect, lit ? c.selectedFill : c.background);
    if (item.separator) {
      // Etched along the top, as the classic menus draw it: a dark line over
      // a light one.
      Line(dc, rect.left + 1, rect.top, rect.right - 1, rect.top, c.separatorDark);
      Line(dc, rect.left + 1, rect.top + 1, rect.right - 1, rect.top + 1, c.separatorLight);
    } else {
      if (state.checked) {
        // A sunken cell on a light ground.
        RECT frame = cell;
        ::InflateRect(&frame, 1, 1);
        win32::FillSolid(dc, cell, c.checkCellBackground);
        Line(dc, frame.left, frame.bottom - 1, frame.left, frame.top, c.checkFrameDark);
        Line(dc, frame.left, frame.top, frame.right - 1, frame.top, c.checkFrameDark);
        Line(dc, frame.right - 1, frame.top, frame.right - 1, frame.bottom - 1, c.checkFrameLight);
        Line(dc, frame.right - 1, frame.bottom - 1, frame.left - 1, frame.bottom - 1,
             c.checkFrameLight);
        DrawCheckMark(dc, cell, c.text);
      }
      if (state.grayed && !lit) {
        RECT emboss = textArea;
        ::OffsetRect(&emboss, 1, 1);
        ::SetTextColor(dc, c.disabledEmboss);
        DrawItemText(dc, item.text, emboss, state.hidePrefix);
      }
      ::SetTextColor(dc, state.grayed ? c.disabledText : lit ? c.selectedText : c.text);
      DrawItemText(dc, item.text, textArea, state.hidePrefix);
    }
  } else {
    const bool themed = SystemLook() == MenuLook::kXp;
    const XpMenuColours c = XpMenuColoursFor(system, themed);
    win32::FillSolid(dc, rect, c.background);
    win32::FillSolid(dc, {rect.left, rect.top, rect.left + columns.iconColumnWidth, rect.bottom},
                     c.iconColumn);
    if (item.separator) {
      Line(dc, textArea.left, middle, rect.right, middle, c.separator);
    } else {
      if (state.selected && !state.grayed) {
        win32::FillSolid(dc, rect, c.selectedFill);
        win32::BrushHandle frame(::CreateSolidBrush(c.selectedFrame));
        ::FrameRect(dc, &rect, frame.get());
      }
      if (state.checked) {
        RECT box = cell;
        ::InflateRect(&box, 1, 1);
        win32::FillSolid(dc, box, c.selectedFill);
        win32::BrushHandle frame(::CreateSolidBrush(c.selectedFrame));
        ::FrameRect(dc, &box, frame.get());
        DrawCheckMark(dc, cell, c.text);
      }
      ::SetTextColor(dc, state.grayed ? c.disabledText : c.text);
      DrawItemText(dc, item.text, textArea, state.hidePrefix);
    }
  }
}

LRESULT QxMenu::MenuChar(wchar_t typed, HMENU /*menu*/) {
  const auto upper = [](wchar_t c) {
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
        ::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
  };
  int found = -1;
  int matches = 0;
  for (std::size_t position = 0; position < items_.size(); ++position) {
    const std::wstring& text = items_[position]->text;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != L'&') continue;
      if (text[i + 1] == L'&') {  // a literal "&"
        ++i;
        continue;
      }
      if (upper(text[i + 1]) == upper(typed)) {
        if (found < 0) found = static_cast<int>(position);
        ++matches;
      }
      break;
    }
  }
  if (found < 0) return MAKELRESULT(0, MNC_IGNORE);
  return MAKELRESULT(found, matches == 1 ? MNC_EXECUTE : MNC_SELECT);
}

}  // namespace mirevo::ui
