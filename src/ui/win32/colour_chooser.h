// The colour-chooser service: the system's colour dialog behind an
// interface, so that tests answer it instead of a user.
#pragma once

#include <windows.h>

#include <optional>

namespace mirevo::win32 {

class ColourChooserService {
 public:
  virtual ~ColourChooserService() = default;
  // The colour the user confirmed, starting at initial; nullopt when the
  // user cancelled.
  virtual std::optional<COLORREF> Choose(HWND owner, COLORREF initial) = 0;
};

// ChooseColorW, full-open, with the custom colours kept for the run.
class Win32ColourChooser final : public ColourChooserService {
 public:
  std::optional<COLORREF> Choose(HWND owner, COLORREF initial) override;

 private:
  COLORREF custom_[16] = {};
};

}  // namespace mirevo::win32
