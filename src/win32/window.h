#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/bitmap.h"
#include "forms/form.h"
#include "forms/label.h"

namespace win32 {

// The program's icon, in its resources: the form's icon art, made into an icon file at build time.
inline constexpr int kIconResource = 1;

// What the main window and the About window share: a top-level window of the Windows API for a
// form, its frame, its labels as static controls (so that accessibility tools read their
// texts), and the form's pixels at the window's dots per inch.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  int Dpi() const { return dpi_; }
  int Pixels(double twips) const;  // at this window's dots per inch
  RECT PixelRect(const forms::Control& control) const;

 protected:
  Window() = default;
  // Makes the window for the form: caption, client size, frame and buttons, icon.
  void Create(const forms::Form& form, const wchar_t* windowClass);
  void SetCaption(const std::string& caption);
  // A static control for the label, placed and shown again by ShowLabels.
  HWND AddLabel(forms::Label& label);
  void ShowLabels();
  void DrawPicture(HDC dc, const forms::Bitmap& picture, const RECT& place, bool smooth) const;
  HFONT MakeFont(const forms::Font& font) const;
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called once the window is gone; the window must not be touched after it.
  virtual void OnDestroyed() = 0;

 private:
  struct Label {
    forms::Label* model;
    HWND control;
    HFONT font;
    HBRUSH background;
    // What the control shows now, so that only a change reaches it.
    std::wstring text;
    RECT place;
    bool visible;
  };
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  HBRUSH background_ = nullptr;
  std::wstring caption_;
  std::vector<Label> labels_;
};

COLORREF ToColorRef(forms::Colour colour);
std::wstring Wide(const std::string& text);  // the program's texts are UTF-8

}  // namespace win32
