#include "qt/qt_message_box.h"

#include <QMessageBox>

#include "forms/app.h"
#include "qt/window_disposal.h"

namespace qt {

void QtMessageBox::MsgBox(const std::string& prompt, int /*buttons: always OK only here*/) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(forms::App::Title),
                              QString::fromStdString(prompt), QMessageBox::Ok);
  box->setWindowModality(Qt::ApplicationModal);
  box->exec();
  DisposeWindow(*box);
}

}  // namespace qt
