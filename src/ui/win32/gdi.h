// Scoped device-context work: a selection that is undone at the end of the
// scope, a borrowed window DC that is released, a paint cycle that is ended,
// and a DC state that is restored.
#pragma once

#include <windows.h>

#include "ui/win32/unique_handle.h"

namespace mirevo::win32 {

// Selects a GDI object into a DC and selects the previous one back when the
// scope ends, so the caller's object can be deleted afterwards.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectionScope() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Fills rect with a solid colour.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  BrushHandle brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &rect, brush.get());
}

// GetDC / ReleaseDC; nullptr: the screen.
class ClientDc {
 public:
  explicit ClientDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~ClientDc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  ClientDc(const ClientDc&) = delete;
  ClientDc& operator=(const ClientDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint, for WM_PAINT handlers.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~PaintScope() { ::EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// SaveDC / RestoreDC: whatever is selected or set in between is undone.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_ != 0) ::RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace mirevo::win32
