#include "win32/playfield_window.h"

#include <algorithm>

namespace win32 {
namespace {

constexpr UINT_PTR kTickTimer = 1;

}  // namespace

PlayfieldWindow::PlayfieldWindow(playfield::Form1& form, app::Events& events)
    : form_(form), events_(events) {
  Create(form, L"VexalGame");
  // The labels let the mouse through to this window, which makes the About caption's clicks.
  for (forms::Label* label : form.Labels()) {
    const HWND control = AddLabel(*label);
    if (label == &form.Label4) {
      aboutCaption_ = control;
    }
  }
}

bool PlayfieldWindow::OnAboutCaption(LPARAM point) const {
  RECT place{};
  GetWindowRect(aboutCaption_, &place);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  return IsWindowVisible(aboutCaption_) && PtInRect(&place, at);
}

void PlayfieldWindow::ShowModel() {
  ShowLabels();
  for (const forms::Control& area : changes_.Since(form_)) {
    const RECT place = PixelRect(area);
    InvalidateRect(Handle(), &place, FALSE);
  }
}

void PlayfieldWindow::Present() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
}

void PlayfieldWindow::Close() {
  DestroyWindow(Handle());
}

void PlayfieldWindow::SetTickPeriod(int milliseconds) {
  if (milliseconds > 0) {
    SetTimer(Handle(), kTickTimer, static_cast<UINT>(milliseconds), nullptr);
  } else {
    KillTimer(Handle(), kTickTimer);
  }
}

// Drawn into a picture of the area to paint first, so that a tick never flickers.
void PlayfieldWindow::Paint(HDC dc, const RECT& area) {
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP canvas = CreateCompatibleBitmap(dc, area.right - area.left, area.bottom - area.top);
  const HGDIOBJ old = SelectObject(memory, canvas);
  SetViewportOrgEx(memory, -area.left, -area.top, nullptr);  // client coordinates
  const HBRUSH field = CreateSolidBrush(ToColorRef(form_.BackColor));
  FillRect(memory, &area, field);
  DeleteObject(field);
  for (const forms::Image* image : form_.ImagesInDrawingOrder()) {
    if (image->Visible && image->Picture != nullptr) {
      const RECT place =
          PixelRect(app::FieldChanges::PictureArea(*image->Picture, image->Left, image->Top));
      RECT overlap{};
      if (IntersectRect(&overlap, &place, &area)) {
        DrawPicture(memory, *image->Picture, place, false);
      }
    }
  }
  const forms::Line& line = form_.Line1;
  if (line.Visible) {
    const RECT band = PixelRect(app::FieldChanges::LineArea(line));
    const HBRUSH pen = CreateSolidBrush(ToColorRef(line.BorderColor));
    FillRect(memory, &band, pen);
    DeleteObject(pen);
  }
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left,
         area.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(canvas);
  DeleteDC(memory);
}

LRESULT PlayfieldWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(Handle(), &paint);
      if (!IsRectEmpty(&paint.rcPaint)) {
        Paint(dc, paint.rcPaint);
      }
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    // The game sees characters, not keys: every character a press types, repeats included.
    case WM_CHAR:
      for (int count = std::max<int>(LOWORD(lParam), 1); count > 0; --count) {
        events_.KeyTyped(static_cast<int>(wParam));
      }
      return 0;
    // A click on the About caption is a press and a release of the left button, both on it.
    case WM_LBUTTONDOWN:
      aboutPressed_ = OnAboutCaption(lParam);
      if (aboutPressed_) {
        SetCapture(Handle());
      }
      return 0;
    case WM_LBUTTONUP:
      if (aboutPressed_) {
        const bool click = OnAboutCaption(lParam);
        ReleaseCapture();  // ends the press, through WM_CAPTURECHANGED
        if (click) {
          events_.AboutClicked();
        }
      }
      return 0;
    case WM_CAPTURECHANGED:
      aboutPressed_ = false;
      return 0;
    case WM_TIMER:
      if (wParam == kTickTimer) {
        events_.Tick();
        return 0;
      }
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

}  // namespace win32
