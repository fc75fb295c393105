#include "win32/about_window.h"

#include <string>
#include <string_view>

namespace win32 {
namespace {

constexpr int kSysInfoId = 100;
constexpr const wchar_t* kWindowClass = L"VexalAbout";

}  // namespace

AboutWindow::AboutWindow(app::Events& events) : events_(events) {
  Create(form_, kWindowClass);
  for (forms::Label* label : {&form_.lblTitle, &form_.lblVersion, &form_.Label1}) {
    AddLabel(*label);
  }
  // The default button is OK, and OK is also the cancel button (Esc).
  ok_ = AddButton(form_.cmdOK, IDOK);
  sysInfo_ = AddButton(form_.cmdSysInfo, kSysInfoId);
  focus_ = ok_;
}

bool AboutWindow::Is(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return std::wstring_view(name) == kWindowClass;
}

AboutWindow::~AboutWindow() {
  for (const HFONT font : fonts_) {
    DeleteObject(font);
  }
}

HWND AboutWindow::AddButton(const forms::CommandButton& button, int id) {
  const RECT place = PixelRect(button);
  const HWND control = CreateWindowExW(
      0, L"BUTTON", Wide(button.Caption).c_str(),
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | (button.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
      place.left, place.top, place.right - place.left, place.bottom - place.top, Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  fonts_.push_back(MakeFont(button.Font));
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
  return control;
}

void AboutWindow::ShowModel() {
  SetCaption(form_.Caption);
  ShowLabels();
}

void AboutWindow::Present() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  SetFocus(focus_);
}

void AboutWindow::Close() {
  DestroyWindow(Handle());
}

LRESULT AboutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(Handle(), &paint);
      const forms::Image& image = form_.Image1;
      if (image.Visible && image.Picture != nullptr) {
        DrawPicture(dc, *image.Picture, PixelRect(image), image.Stretch);
      }
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        events_.OkClicked();  // Enter on OK, Esc, or a click
        return 0;
      }
      if (LOWORD(wParam) == kSysInfoId) {
        events_.SysInfoClicked();
        return 0;
      }
      break;
    // Enter presses the button that has the focus; IsDialogMessage asks which.
    case DM_GETDEFID:
      return MAKELRESULT(GetFocus() == sysInfo_ ? kSysInfoId : IDOK, DC_HASDEFID);
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        focus_ = focus == sysInfo_ ? sysInfo_ : ok_;
      } else {
        SetFocus(focus_);
      }
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

}  // namespace win32
