// One decoded picture and the static control that shows it: the record
// dialog's preview box and the preview popup. Pictures are decoded by OLE
// (OleLoadPicture reads BMP, JPEG and GIF among others) from the bytes of a
// file or of a resource of the program.
#pragma once

#include <windows.h>

#include <olectl.h>

#include <cstdint>
#include <string_view>

#include "ui/win32/com_ref.h"
#include "ui/win32/control.h"

namespace mirevo::ui {

enum class PictureLoad {
  kLoaded,
  kCannotOpen,   // missing, unreadable or an empty path: the holder is as it was
  kTooLarge,     // refused without reading it: the holder is as it was
  kNotAPicture,  // read but not decoded: the holder is empty now
};

class PictureHolder {
 public:
  // No preview picture is anywhere near this; a bigger file is not read
  // into memory at all.
  static constexpr std::uint64_t kMaxFileBytes = 32ull << 20;

  // A resource of type "IMAGE" of the program; kCannotOpen when missing.
  PictureLoad LoadResource(int id);
  // A file by its GBK path, opened for reading with others allowed to read
  // it as well.
  PictureLoad LoadFile(std::string_view gbkPath);
  // Decodes bytes as a picture file; kNotAPicture leaves the holder empty.
  PictureLoad LoadBytes(std::string_view bytes);

  bool Empty() const { return !picture_; }

  // The picture's size in screen pixels; (0, 0) when empty.
  SIZE NaturalSize() const;

  // Stretches the whole picture into rect.
  void Draw(HDC dc, const RECT& rect) const;

 private:
  PictureLoad Decode(HGLOBAL bytes, std::uint64_t size);

  win32::ComRef<IPicture> picture_;
};

// A static control that paints its picture fitted into its client area on
// black, with the picture's proportions kept. Without a picture it paints
// nothing: the dialog's background shows.
class PictureBox final : public win32::Control {
 public:
  PictureHolder& Picture() { return picture_; }
  const PictureHolder& Picture() const { return picture_; }

  // Load into the holder and repaint the box.
  PictureLoad LoadResource(int id);
  PictureLoad LoadFile(std::string_view gbkPath);

  void Repaint();

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);

  PictureHolder picture_;
};

}  // namespace mirevo::ui
