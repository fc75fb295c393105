#pragma once

#include <memory>

#include "about/frm_about.h"
#include "forms/runtime_error.h"
#include "playfield/form1.h"

// What a host (a toolkit, or the operating system's own windows) does for the game, and the
// events its windows deliver. The game decides everything; a host only shows and delivers.
namespace app {

// Desktop timers deliver no faster than their clock granularity, and the game's pace was set by
// one of about 15.6 ms: a tick every 15 ms at the shortest keeps that pace on every host.
inline constexpr int kShortestTickMs = 15;

// What the windows deliver, each event on the one user-interface thread.
class Events {
 public:
  virtual ~Events() = default;
  virtual void KeyTyped(int code) = 0;  // a character typed in the main window
  virtual void AboutClicked() = 0;
  virtual void MainClosed() = 0;
  virtual void OkClicked() = 0;
  virtual void SysInfoClicked() = 0;
  virtual void AboutClosed() = 0;  // however it was closed
  virtual void Tick() = 0;
};

// A window that a host made for a form, showing the form's model.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual void ShowModel() = 0;  // draws the model as it stands now
  virtual void Present() = 0;    // shows the window, or brings it to the front, and activates it
  virtual void Close() = 0;      // closes it as its frame would; the window reports AboutClosed
};

// The About window owns its form, so that the window and its controls go together.
class AboutFormWindow : public FormWindow {
 public:
  virtual about::frmAbout& Form() = 0;
};

class Host {
 public:
  virtual ~Host() = default;
  virtual std::unique_ptr<FormWindow> OpenMainWindow(playfield::Form1& form, Events& events) = 0;
  // A new About window with a new form, not yet shown.
  virtual std::unique_ptr<AboutFormWindow> OpenAboutWindow(Events& events) = 0;
  virtual void SetTickPeriod(
      int milliseconds) = 0;  // ticks reach the main window's events; 0 stops
  // The runtime's report of an error that no handler trapped, in a box titled with the title.
  virtual void ReportError(const forms::RuntimeError& error) = 0;
  virtual void Quit(int status) = 0;  // ends the event loop, and the process with this status
};

}  // namespace app
