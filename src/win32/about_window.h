#pragma once

#include "app/host.h"
#include "win32/window.h"

namespace win32 {

// The About window: a top-level window of its own with no owner, fixed in size. It owns its
// form, so the window and its controls go together. Its keys (Tab, Enter, Esc, Alt+S) are the
// dialog keys, which the message loop hands to IsDialogMessage for it.
class AboutWindow : public Window, public app::AboutFormWindow {
 public:
  explicit AboutWindow(app::Events& events);
  ~AboutWindow() override;

  static bool Is(HWND window);  // whether the window is an About window

  about::frmAbout& Form() override { return form_; }
  void ShowModel() override;
  void Present() override;
  void Close() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override { events_.AboutClosed(); }
  HWND AddButton(const forms::CommandButton& button, int id);

  about::frmAbout form_;
  app::Events& events_;
  HWND ok_ = nullptr;
  HWND sysInfo_ = nullptr;
  HWND focus_ = nullptr;  // the button that had the focus when the window was last left
  std::vector<HFONT> fonts_;
};

}  // namespace win32
