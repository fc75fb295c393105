#include "win32/window.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "forms/colour.h"

namespace win32 {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

DWORD AlignmentStyle(const forms::Label& label) {
  switch (label.Alignment) {
    case forms::Alignment::Center:
      return SS_CENTER;
    case forms::Alignment::RightJustify:
      return SS_RIGHT;
    case forms::Alignment::LeftJustify:
      break;
  }
  // An auto-size label is as wide as its text; a fixed one wraps its text within its width.
  return label.AutoSize ? SS_LEFTNOWORDWRAP : SS_LEFT;
}

}  // namespace

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(std::max(length, 0)));
  return wide;
}

// The menu-text colour (the field's and the About caption's background) is the one Windows
// has now, so that a high-contrast scheme applies. The other system colours keep the standard
// scheme: today's themes make caption text black, which would hide the line on the field.
COLORREF ToColorRef(forms::Colour colour) {
  const forms::Rgb rgb = forms::ToRgb(colour);
  if (colour == forms::kMenuText) {
    return GetSysColor(COLOR_MENUTEXT);
  }
  return RGB(rgb.red, rgb.green, rgb.blue);
}

Window::~Window() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);  // gone with the game: nothing to report
    DestroyWindow(hwnd_);
  }
  // The labels' forms are not touched: an About form goes with its window, before this.
  for (const Label& label : labels_) {
    DeleteObject(label.font);
    DeleteObject(label.background);
  }
  DeleteObject(background_);
}

int Window::Pixels(double twips) const {
  return static_cast<int>(std::lround(twips * dpi_ / kTwipsPerInch));
}

RECT Window::PixelRect(const forms::Control& control) const {
  const int left = Pixels(control.Left);
  const int top = Pixels(control.Top);
  return {left, top, left + Pixels(control.Width), top + Pixels(control.Height)};
}

void Window::Create(const forms::Form& form, const wchar_t* windowClass) {
  // Registered with the first window of the class; later registrations fail harmlessly.
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const WNDCLASSEXW type{.cbSize = sizeof(WNDCLASSEXW),
                         .lpfnWndProc = Procedure,
                         .hInstance = instance,
                         .hIcon = form.Icon != nullptr
                                      ? LoadIconW(instance, MAKEINTRESOURCEW(kIconResource))
                                      : nullptr,
                         .hCursor = LoadCursorW(nullptr, IDC_ARROW),
                         .lpszClassName = windowClass};
  RegisterClassExW(&type);
  dpi_ = ScreenDpi();
  background_ = CreateSolidBrush(ToColorRef(form.BackColor));
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (form.BorderStyle == forms::BorderStyle::Sizable) {
    style |= WS_THICKFRAME;
  }
  style |= (form.MinButton ? WS_MINIMIZEBOX : 0) | (form.MaxButton ? WS_MAXIMIZEBOX : 0);
  // A fixed dialog frame shows no icon in its caption.
  const DWORD extendedStyle =
      form.BorderStyle == forms::BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
  // At the form's stored place, which keeps the two windows apart.
  RECT frame = PixelRect({.Left = form.ClientLeft,
                          .Top = form.ClientTop,
                          .Width = form.ClientWidth,
                          .Height = form.ClientHeight});
  AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
  caption_ = Wide(form.Caption);
  CreateWindowExW(extendedStyle, windowClass, caption_.c_str(), style, frame.left, frame.top,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                  this);
}

// Only a change reaches the frame, which would otherwise redraw its caption after every tick.
void Window::SetCaption(const std::string& caption) {
  std::wstring text = Wide(caption);
  if (text != caption_) {
    caption_ = std::move(text);
    SetWindowTextW(hwnd_, caption_.c_str());
  }
}

HFONT Window::MakeFont(const forms::Font& font) const {
  // The classic sans serif face by its name; Windows maps it to its standard substitute.
  return CreateFontW(-static_cast<int>(std::lround(font.Size * dpi_ / kPointsPerInch)), 0, 0, 0,
                     font.Weight, font.Italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                     Wide(font.Name).c_str());
}

HWND Window::AddLabel(forms::Label& label) {
  const HWND control =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_NOPREFIX | AlignmentStyle(label), 0, 0, 0, 0,
                      hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  const HFONT font = MakeFont(label.Font);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  labels_.push_back({.model = &label,
                     .control = control,
                     .font = font,
                     .background = CreateSolidBrush(ToColorRef(label.BackColor)),
                     .text = L"",
                     .place = RECT{},
                     .visible = false});
  label.SetTextMeasure([this, font](const forms::Label& measured) {
    const HDC dc = GetDC(hwnd_);
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring text = Wide(measured.Caption());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    const auto twips = [this](LONG pixels) {
      return static_cast<float>(pixels * kTwipsPerInch / dpi_);
    };
    return forms::TextExtent{.Width = twips(size.cx), .Height = twips(metrics.tmHeight)};
  });
  return control;
}

void Window::ShowLabels() {
  for (Label& label : labels_) {
    std::wstring text = Wide(label.model->Caption());
    if (text != label.text) {
      label.text = std::move(text);
      SetWindowTextW(label.control, label.text.c_str());
    }
    const RECT place = PixelRect(*label.model);
    if (!EqualRect(&place, &label.place)) {
      label.place = place;
      SetWindowPos(label.control, nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (label.model->Visible != label.visible) {
      label.visible = label.model->Visible;
      ShowWindow(label.control, label.visible ? SW_SHOWNA : SW_HIDE);
    }
  }
}

// Natural size is one picture pixel to a block of device pixels, never blended; a picture
// stretched to fill its control is scaled smoothly.
void Window::DrawPicture(HDC dc, const forms::Bitmap& picture, const RECT& place,
                         bool smooth) const {
  BITMAPINFO info{};
  info.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER),
                    .biWidth = picture.Width,
                    .biHeight = -picture.Height,  // top row first
                    .biPlanes = 1,
                    .biBitCount = 32,
                    .biCompression = BI_RGB};
  SetStretchBltMode(dc, smooth ? HALFTONE : COLORONCOLOR);
  StretchDIBits(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, 0, 0,
                picture.Width, picture.Height, picture.Pixels.data(), &info, DIB_RGB_COLORS,
                SRCCOPY);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      for (const Label& label : labels_) {
        if (label.control == reinterpret_cast<HWND>(lParam)) {
          const auto dc = reinterpret_cast<HDC>(wParam);
          SetTextColor(dc, ToColorRef(label.model->ForeColor));
          SetBkColor(dc, ToColorRef(label.model->BackColor));
          return reinterpret_cast<LRESULT>(label.background);
        }
      }
      break;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_);
      return 1;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    window->OnDestroyed();  // may delete the window object: nothing of it is touched after
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return window->OnMessage(message, wParam, lParam);
}

}  // namespace win32
