#pragma once

#include <QMessageBox>
#include <string>

#include "about/system_services.h"
#include "qt/top_level_windows.h"

namespace qt {

// A box with one OK button, titled with the application title, modal to the application, as
// one of the program's windows; it returns once answered.
void ShowMessage(TopLevelWindows& windows, QMessageBox::Icon icon, const std::string& text);

// The game's message box: no icon.
class QtMessageBox : public about::MessageBoxService {
 public:
  explicit QtMessageBox(TopLevelWindows& windows) : windows_(windows) {}
  void MsgBox(const std::string& prompt, int buttons) override;

 private:
  TopLevelWindows& windows_;
};

}  // namespace qt
