#pragma once

#include <emscripten/html5.h>

#include "about/system_services.h"
#include "app/host.h"
#include "web/about_view.h"
#include "web/playfield_view.h"

namespace web {

// The page as the game's host: the game area and the About window inside one document, the
// document's keys for whichever of them is in front, and the browser's interval timer.
class WebHost : public app::Host {
 public:
  WebHost() = default;
  WebHost(const WebHost&) = delete;
  WebHost& operator=(const WebHost&) = delete;

  std::unique_ptr<app::FormWindow> OpenMainWindow(playfield::Form1& form,
                                                  app::Events& events) override;
  std::unique_ptr<app::AboutFormWindow> OpenAboutWindow(app::Events& events) override;
  void SetTickPeriod(int milliseconds) override;
  void ReportError(const forms::RuntimeError& error) override;
  void Quit(int status) override;

  // A character typed on the keyboard or on the on-screen keys; false when the game ignores it.
  bool Type(int character);

 private:
  static EM_BOOL OnKeyPress(int type, const EmscriptenKeyboardEvent* key, void* host);
  static EM_BOOL OnKeyDown(int type, const EmscriptenKeyboardEvent* key, void* host);
  static EM_BOOL OnGameMouseDown(int type, const EmscriptenMouseEvent* event, void* host);
  static EM_BOOL OnGameTouchStart(int type, const EmscriptenTouchEvent* event, void* host);
  static EM_BOOL OnAboutCaptionClick(int type, const EmscriptenMouseEvent* event, void* host);
  static EM_BOOL OnResize(int type, const EmscriptenUiEvent* event, void* host);
  static void OnTick(void* host);

  app::Events* events_ = nullptr;
  PlayfieldView* main_ = nullptr;
  AboutView* about_ = nullptr;
  long ticks_ = 0;  // the interval's id; 0 while stopped
  bool ended_ = false;
};

// The message box of the page: modal over it until its OK button closes it. It returns at once,
// as a page cannot wait; the box takes every key and click meanwhile, and the game is paused
// while the About window, whose button shows it, is open.
class WebMessageBox : public about::MessageBoxService {
 public:
  void MsgBox(const std::string& prompt, int buttons) override;
};

}  // namespace web
