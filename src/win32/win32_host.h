#pragma once

#include "about/system_services.h"
#include "app/host.h"
#include "win32/about_window.h"
#include "win32/playfield_window.h"

namespace win32 {

// The game's windows and timer as windows of the Windows API and a window timer.
class Win32Host : public app::Host {
 public:
  std::unique_ptr<app::FormWindow> OpenMainWindow(playfield::Form1& form,
                                                  app::Events& events) override;
  std::unique_ptr<app::AboutFormWindow> OpenAboutWindow(app::Events& events) override;
  void SetTickPeriod(int milliseconds) override;
  void ReportError(const forms::RuntimeError& error) override;
  void Quit(int status) override;

  // Runs the message loop until the game quits; gives the game's exit status.
  int Run();

 private:
  PlayfieldWindow* main_ = nullptr;  // lives as long as the game
};

// An application-modal box with one OK button and no icon, titled with the application title.
class Win32MessageBox : public about::MessageBoxService {
 public:
  void MsgBox(const std::string& prompt, int buttons) override;
};

}  // namespace win32
