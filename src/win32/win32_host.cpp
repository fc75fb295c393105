#include "win32/win32_host.h"

#include <string>

#include "forms/app.h"

namespace win32 {
namespace {

const std::string kTitle(forms::App::Title);

}  // namespace

std::unique_ptr<app::FormWindow> Win32Host::OpenMainWindow(playfield::Form1& form,
                                                           app::Events& events) {
  auto window = std::make_unique<PlayfieldWindow>(form, events);
  main_ = window.get();
  return window;
}

std::unique_ptr<app::AboutFormWindow> Win32Host::OpenAboutWindow(app::Events& events) {
  return std::make_unique<AboutWindow>(events);
}

void Win32Host::SetTickPeriod(int milliseconds) {
  if (main_ != nullptr && main_->Handle() != nullptr) {
    main_->SetTickPeriod(milliseconds);
  }
}

void Win32Host::ReportError(const forms::RuntimeError& error) {
  MessageBoxA(nullptr, forms::ErrorReportText(error).c_str(), kTitle.c_str(),
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Win32Host::Quit(int status) {
  PostQuitMessage(status);
}

// The About window's keys are dialog keys; every other message goes its usual way. It takes
// no typed characters: the dialog manager would press a button for its bare access letter,
// where only Alt with the letter (a system character) is its access key.
int Win32Host::Run() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    const HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (window != nullptr && AboutWindow::Is(window) &&
        (message.message == WM_CHAR || IsDialogMessageW(window, &message))) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void Win32MessageBox::MsgBox(const std::string& prompt, int /*buttons: always OK only here*/) {
  MessageBoxA(nullptr, prompt.c_str(), kTitle.c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace win32
