#include "ui/win32/dialog.h"

#include "ui/win32/callback_guard.h"
#include "ui/win32/control.h"
#include "ui/win32/modeless_keyboard.h"

namespace mirevo::win32 {
namespace {

// Messages whose answer a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

}  // namespace

Dialog::Dialog(int templateId, HINSTANCE module)
    : templateId_(templateId), module_(module != nullptr ? module : ::GetModuleHandleW(nullptr)) {}

Dialog::~Dialog() {
  if (hwnd_ != nullptr) {
    HWND hwnd = hwnd_;
    // Unbind first: the window must not call into a half-destroyed object.
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    hwnd_ = nullptr;
    if (!modal_) {
      UnregisterModelessDialog(hwnd);
      ::DestroyWindow(hwnd);
    }
  }
}

INT_PTR Dialog::RunModal(HWND owner) {
  if (hwnd_ != nullptr) return -1;
  modal_ = true;
  const INT_PTR result = ::DialogBoxParamW(module_, MAKEINTRESOURCEW(templateId_), owner,
                                           &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return result;
}

bool Dialog::CreateModeless(HWND owner) {
  if (!CreateChild(owner)) return false;
  RegisterModelessDialog(hwnd_);
  return true;
}

bool Dialog::CreateChild(HWND parent) {
  if (hwnd_ != nullptr) return false;
  modal_ = false;
  HWND created = ::CreateDialogParamW(module_, MAKEINTRESOURCEW(templateId_), parent,
                                      &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
  return created != nullptr && hwnd_ == created;  // not closed during creation
}

void Dialog::Close(INT_PTR result) {
  if (hwnd_ == nullptr) return;
  if (modal_) {
    ::EndDialog(hwnd_, result);
  } else {
    ::DestroyWindow(hwnd_);
  }
}

std::optional<LRESULT> Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      return std::nullopt;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_DESTROY:
      OnDestroy();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool Dialog::OnCommand(int id, int /*code*/, HWND /*control*/) {
  switch (id) {
    case IDOK:
      OnOk();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
    default:
      return false;
  }
}

std::optional<LRESULT> Dialog::OnNotify(NMHDR* /*header*/) {
  return std::nullopt;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  // A control that draws or answers for itself gets its messages back first.
  std::optional<LRESULT> answer = ReflectToControl(hwnd, message, wParam, lParam);
  if (!answer) answer = HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    if (!modal_) UnregisterModelessDialog(hwnd);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    hwnd_ = nullptr;
  }
  if (!answer) return FALSE;
  if (AnswersDirectly(message)) return static_cast<INT_PTR>(*answer);
  ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *answer);
  return TRUE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
      self = reinterpret_cast<Dialog*>(lParam);
      ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
      self->hwnd_ = hwnd;
    } else {
      self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    ReportCurrentException();
    return FALSE;
  }
}

}  // namespace mirevo::win32
