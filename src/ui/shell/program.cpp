#include "ui/shell/program.h"

#include <windows.h>

#include <ole2.h>

#include <cstdlib>
#include <ctime>

#include "reminders/time_zone.h"

#include "store/clock.h"
#include "store/data_preload.h"
#include "ui/shell/single_instance.h"
#include "ui/win32/module.h"

namespace mirevo::ui {
namespace {

// OLE for the whole run: the preview pictures are decoded by OLE.
class OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(::OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ok_) ::OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool ok_;
};

}  // namespace

void KeepTimeZoneReadable() {
  const char* tz = std::getenv("TZ");
  if (tz == nullptr || IsRuntimeTimeZoneForm(tz)) return;
  _putenv_s("TZ", "");
  _tzset();
}

Program::Program(win32::UiServices& services, const Clock& clock)
    : window_(services, clock),
      reminders_(window_, window_.Controller().List(), window_.Controller().GetSession().Store(),
                 window_.Controller().Settings(), clock, *this),
      tray_(window_, services.notifyIcon, window_.Controller().Settings(),
            window_.Controller().List(), *this),
      behaviour_(window_, window_.Controller().GetSession(), *this),
      settings_(window_, window_.Controller().Settings(), window_.Controller().List(), services,
                *this),
      preview_(window_, window_.Controller().Settings(), window_.Controller().List()),
      about_(window_, services.shell) {
  window_.SetFeatures({&reminders_, &tray_, &behaviour_, &settings_, &preview_, &about_});
}

int RunProgram(std::string_view instanceName, win32::UiServices& services) {
  KeepTimeZoneReadable();
  SingleInstance instance(instanceName);
  if (!instance.IsFirst()) {
    // The running copy is left alone; this one reads and writes nothing.
    services.messages.Show(nullptr, kAlreadyRunning, "", win32::MessageButtons::kOk,
                           win32::MessageIcon::kNone);
    return 0;
  }
  static SystemClock clock;
  // The data file is read while the window is made.
  DataPreload preload(clock);
  OleSession ole;
  win32::InitCommonControlsForApp();
  // Never taken apart: when the window's run ends, the files are written and
  // the window, its timers and the tray icon are gone. Handing each of
  // 100,000 works' texts back to the heap would only hold up the end of the
  // process, which takes back its memory in one piece.
  auto* program = new Program(services, clock);
  program->Window().Controller().GetSession().UsePreload(preload);
  // -1: the window could not be made (resources missing from the file).
  return program->Window().RunModal(nullptr) == -1 ? 1 : 0;
}

}  // namespace mirevo::ui
