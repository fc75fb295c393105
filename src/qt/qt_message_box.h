#pragma once

#include "about/system_services.h"

namespace qt {

// An application-modal box with one OK button and no icon, titled with the application title.
class QtMessageBox : public about::MessageBoxService {
 public:
  void MsgBox(const std::string& prompt, int buttons) override;
};

}  // namespace qt
