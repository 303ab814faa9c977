#include "ui/controls/picture_box.h"

#include <ole2.h>

#include <cstring>

#include "look/picture_fit.h"
#include "resource.h"
#include "ui/win32/gdi.h"
#include "ui/win32/module.h"
#include "ui/win32/unique_handle.h"
#include "ui/win32/wide_text.h"

namespace mirevo::ui {
namespace {

constexpr long kHimetricPerInch = 2540;

// Movable global memory, as a stream on it needs; freed unless a stream
// took it over.
class GlobalBytes {
 public:
  explicit GlobalBytes(SIZE_T size) : memory_(::GlobalAlloc(GMEM_MOVEABLE, size)) {}
  ~GlobalBytes() {
    if (memory_ != nullptr) ::GlobalFree(memory_);
  }
  GlobalBytes(const GlobalBytes&) = delete;
  GlobalBytes& operator=(const GlobalBytes&) = delete;

  HGLOBAL get() const { return memory_; }
  HGLOBAL release() { return std::exchange(memory_, nullptr); }

 private:
  HGLOBAL memory_;
};

// GlobalLock for one scope.
class LockedBytes {
 public:
  explicit LockedBytes(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
  ~LockedBytes() {
    if (data_ != nullptr) ::GlobalUnlock(memory_);
  }
  LockedBytes(const LockedBytes&) = delete;
  LockedBytes& operator=(const LockedBytes&) = delete;

  void* get() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

int HimetricToPixels(long himetric, int pixelsPerInch) {
  return ::MulDiv(static_cast<int>(himetric), pixelsPerInch, kHimetricPerInch);
}

}  // namespace

PictureLoad PictureHolder::LoadResource(int id) {
  const std::optional<std::string_view> bytes = win32::LoadResourceBytes(TEXT(RT_MIREVO_IMAGE), id);
  if (!bytes) return PictureLoad::kCannotOpen;
  return LoadBytes(*bytes);
}

PictureLoad PictureHolder::LoadFile(std::string_view gbkPath) {
  const std::optional<std::wstring> path = win32::StrictWideFromGbk(gbkPath);
  if (!path || path->empty()) return PictureLoad::kCannotOpen;
  win32::FileHandle file(::CreateFileW(path->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return PictureLoad::kCannotOpen;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return PictureLoad::kCannotOpen;
  const auto length = static_cast<std::uint64_t>(size.QuadPart);
  if (length > kMaxFileBytes) return PictureLoad::kTooLarge;

  GlobalBytes memory(static_cast<SIZE_T>(length));
  if (length == 0 || memory.get() == nullptr) {
    picture_.reset();
    return PictureLoad::kNotAPicture;
  }
  {
    LockedBytes data(memory.get());
    DWORD read = 0;
    if (data.get() == nullptr ||
        !::ReadFile(file.get(), data.get(), static_cast<DWORD>(length), &read, nullptr) ||
        read != length) {
      return PictureLoad::kCannotOpen;
    }
  }
  file.reset();
  return Decode(memory.release(), length);
}

PictureLoad PictureHolder::LoadBytes(std::string_view bytes) {
  GlobalBytes memory(bytes.size());
  if (bytes.empty() || memory.get() == nullptr) {
    picture_.reset();
    return PictureLoad::kNotAPicture;
  }
  {
    LockedBytes data(memory.get());
    if (data.get() == nullptr) {
      picture_.reset();
      return PictureLoad::kNotAPicture;
    }
    std::memcpy(data.get(), bytes.data(), bytes.size());
  }
  return Decode(memory.release(), bytes.size());
}

PictureLoad PictureHolder::Decode(HGLOBAL bytes, std::uint64_t size) {
  picture_.reset();
  win32::ComRef<IStream> stream;
  // The stream frees the memory when it goes.
  if (FAILED(::CreateStreamOnHGlobal(bytes, TRUE, stream.Receive()))) {
    ::GlobalFree(bytes);
    return PictureLoad::kNotAPicture;
  }
  if (FAILED(::OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture_.Receive())))) {
    picture_.reset();
    return PictureLoad::kNotAPicture;
  }
  return picture_ ? PictureLoad::kLoaded : PictureLoad::kNotAPicture;
}

SIZE PictureHolder::NaturalSize() const {
  if (!picture_) return {0, 0};
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  const win32::ClientDc screen(nullptr);
  return {HimetricToPixels(width, ::GetDeviceCaps(screen.get(), LOGPIXELSX)),
          HimetricToPixels(height, ::GetDeviceCaps(screen.get(), LOGPIXELSY))};
}

void PictureHolder::Draw(HDC dc, const RECT& rect) const {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  // HIMETRIC runs upwards: the source starts at the bottom-left corner.
  picture_->Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0,
                   height, width, -height, nullptr);
}

PictureLoad PictureBox::LoadResource(int id) {
  const PictureLoad result = picture_.LoadResource(id);
  Repaint();
  return result;
}

PictureLoad PictureBox::LoadFile(std::string_view gbkPath) {
  const PictureLoad result = picture_.LoadFile(gbkPath);
  Repaint();
  return result;
}

void PictureBox::Repaint() {
  if (Hwnd() != nullptr) ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

std::optional<LRESULT> PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;  // the paint covers every pixel
    case WM_PAINT: {
      win32::PaintScope paint(Hwnd());
      Paint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      // Window animations and snapshots ask for the picture this way.
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return std::nullopt;
  }
}

void PictureBox::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(Hwnd(), &client);
  if (picture_.Empty()) {
    // No frame or old picture left behind: the background the dialog gives
    // its statics.
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(Hwnd()), WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(Hwnd())));
    ::FillRect(dc, &client, brush != nullptr ? brush : ::GetSysColorBrush(COLOR_3DFACE));
    return;
  }
  ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  const SIZE natural = picture_.NaturalSize();
  const std::optional<Rect> fitted =
      FitPicture(client.right, client.bottom, natural.cx, natural.cy);
  if (!fitted) return;
  // Halftone keeps photographs smooth when they are made smaller.
  ::SetStretchBltMode(dc, HALFTONE);
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  picture_.Draw(dc, {fitted->left, fitted->top, fitted->right, fitted->bottom});
}

}  // namespace mirevo::ui
