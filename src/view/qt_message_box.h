#pragma once

#include "about/system_services.h"

namespace view {

// An application-modal box with one OK button and no icon, titled with the application title.
class QtMessageBox : public about::MessageBox {
 public:
  void MsgBox(const std::string& prompt, int buttons) override;
};

}  // namespace view
