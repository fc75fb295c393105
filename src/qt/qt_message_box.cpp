#include "qt/qt_message_box.h"

#include "forms/app.h"

namespace qt {
namespace {

// Answered, the box only says so: it hides as the program's windows do, not at once as a
// dialog would.
class AnsweredBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  void done(int result) override {
    setResult(result);
    emit finished(result);
  }
};

}  // namespace

void ShowMessage(TopLevelWindows& windows, QMessageBox::Icon icon, const std::string& text) {
  auto* box = new AnsweredBox(icon, QString::fromUtf8(forms::App::Title),
                              QString::fromStdString(text), QMessageBox::Ok);
  box->setFixedSize(box->sizeHint());  // its own size once shown, which its frame follows
  windows.RunModal(*box);
}

void QtMessageBox::MsgBox(const std::string& prompt, int /*buttons: always OK only here*/) {
  ShowMessage(windows_, QMessageBox::NoIcon, prompt);
}

}  // namespace qt
