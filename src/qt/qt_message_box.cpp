#include "qt/qt_message_box.h"

#include <QMessageBox>

#include "forms/app.h"

namespace qt {

void QtMessageBox::MsgBox(const std::string& prompt, int /*buttons: always OK only here*/) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(forms::App::Title),
                  QString::fromStdString(prompt), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace qt
