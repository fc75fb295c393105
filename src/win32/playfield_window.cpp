#include "win32/playfield_window.h"

#include <algorithm>

namespace win32 {
namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr double kLineWidthTwips = 15;  // one pixel at 96 dots per inch

}  // namespace

PlayfieldWindow::PlayfieldWindow(playfield::Form1& form, app::Events& events)
    : form_(form), events_(events) {
  Create(form, L"VexalGame");
  for (forms::Label* label : form.Labels()) {
    const HWND control = AddLabel(*label, label == &form.Label4 ? SS_NOTIFY : 0);
    if (label == &form.Label4) {
      aboutCaption_ = control;
    }
  }
}

void PlayfieldWindow::ShowModel() {
  ShowLabels();
  InvalidateRect(Handle(), nullptr, FALSE);
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

// Drawn into a picture of the client area first, so that a tick never flickers.
void PlayfieldWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP canvas = CreateCompatibleBitmap(dc, client.right, client.bottom);
  const HGDIOBJ old = SelectObject(memory, canvas);
  const HBRUSH field = CreateSolidBrush(ToColorRef(form_.BackColor));
  FillRect(memory, &client, field);
  DeleteObject(field);
  for (const forms::Image* image : form_.ImagesInDrawingOrder()) {
    if (image->Visible && image->Picture != nullptr) {
      const RECT place = PixelRect(*image);
      const int scale = Pixels(kLineWidthTwips);
      DrawPicture(memory, *image->Picture,
                  {place.left, place.top, place.left + image->Picture->Width * scale,
                   place.top + image->Picture->Height * scale},
                  false);
    }
  }
  const forms::Line& line = form_.Line1;
  if (line.Visible) {
    // Both ends included, one pixel wide at any dots per inch.
    const RECT band{Pixels(line.X1), Pixels(line.Y1), Pixels(line.X2 + kLineWidthTwips),
                    Pixels(line.Y2 + kLineWidthTwips)};
    const HBRUSH pen = CreateSolidBrush(ToColorRef(line.BorderColor));
    FillRect(memory, &band, pen);
    DeleteObject(pen);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(canvas);
  DeleteDC(memory);
}

LRESULT PlayfieldWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      Paint(BeginPaint(Handle(), &paint));
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
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == aboutCaption_ && HIWORD(wParam) == STN_CLICKED) {
        events_.AboutClicked();
        return 0;
      }
      break;
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
