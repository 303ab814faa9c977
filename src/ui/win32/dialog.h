// The base of every dialog window: binds a C++ object to a dialog created
// from a resource template and dispatches its messages to virtual handlers.
//
// Use: derive, override the handlers you need, then either
//   MyDialog dialog(...);            // fill its members
//   if (dialog.RunModal(owner) == IDOK) { ... read its members ... }
// or, for a window that stays open beside others,
//   dialog.CreateModeless(owner);    // the object must outlive the window
//
// The object is bound to its window from WM_INITDIALOG (the creation
// parameter is the object) until WM_NCDESTROY; messages before
// WM_INITDIALOG (WM_SETFONT) get the default handling. Messages about a
// control that has a wrapper (control.h) go to the wrapper first.
#pragma once

#include <windows.h>

#include <optional>

namespace mirevo::win32 {

class Dialog {
 public:
  // templateId: the dialog resource; module: where it lives (nullptr: the
  // executable).
  explicit Dialog(int templateId, HINSTANCE module = nullptr);
  virtual ~Dialog();  // destroys a modeless window that is still open

  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally and returns the result given to Close (IDOK,
  // IDCANCEL, ...), or -1 when the dialog could not be created. The owner
  // is disabled while it runs.
  INT_PTR RunModal(HWND owner);

  // Creates the dialog modelessly; it shows itself when its template has
  // WS_VISIBLE. Returns false when it could not be created or already exists.
  // Its keyboard navigation works inside any modal loop of the thread (see
  // modeless_keyboard.h).
  bool CreateModeless(HWND owner);

  // Creates a child dialog (a DS_CONTROL page inside another dialog); the
  // keyboard navigation is the top-level dialog's.
  bool CreateChild(HWND parent);

  // Ends the dialog: EndDialog(result) when modal, DestroyWindow otherwise.
  void Close(INT_PTR result);

  HWND Hwnd() const { return hwnd_; }
  HWND Item(int controlId) const { return ::GetDlgItem(hwnd_, controlId); }
  bool IsModal() const { return modal_; }
  int TemplateId() const { return templateId_; }

 protected:
  // Every message of the bound window comes here first. Return a value to
  // answer the message (for WM_NOTIFY and the like it becomes the
  // DWLP_MSGRESULT), nullopt to leave it to the default dialog handling.
  // The base dispatches to the On... handlers below; an override handles
  // its own messages and calls Dialog::HandleMessage for the rest.
  virtual std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // WM_INITDIALOG. Return true to let the dialog focus its first control,
  // false after setting the focus yourself.
  virtual bool OnInitDialog() { return true; }

  // WM_COMMAND from a control, menu or accelerator (code: the notification
  // code, control: nullptr for menus). Return true when handled. The base
  // maps IDOK to OnOk and IDCANCEL (Escape, the close box) to OnCancel.
  virtual bool OnCommand(int id, int code, HWND control);

  // WM_NOTIFY. The returned value is the notification's answer; nullopt
  // means not handled.
  virtual std::optional<LRESULT> OnNotify(NMHDR* header);

  virtual void OnOk() { Close(IDOK); }
  virtual void OnCancel() { Close(IDCANCEL); }

  // WM_DESTROY: the controls still exist.
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HINSTANCE module_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

}  // namespace mirevo::win32
