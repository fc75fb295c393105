#pragma once

#include "app/field_changes.h"
#include "app/host.h"
#include "win32/window.h"

namespace win32 {

// The main window: draws Form1's pictures and line, shows its labels, and delivers what the
// player types and clicks and the ticks of its timer.
class PlayfieldWindow : public Window, public app::FormWindow {
 public:
  PlayfieldWindow(playfield::Form1& form, app::Events& events);

  void ShowModel() override;
  void Present() override;
  void Close() override;
  void SetTickPeriod(int milliseconds);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnAboutCaption(LPARAM point) const;
  void OnDestroyed() override { events_.MainClosed(); }
  void Paint(HDC dc, const RECT& area);

  playfield::Form1& form_;
  app::Events& events_;
  app::FieldChanges changes_;
  HWND aboutCaption_ = nullptr;
  bool aboutPressed_ = false;  // the left button went down on the About caption
};

}  // namespace win32
