#include "view/error_report.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdlib>

#include "forms/app.h"

namespace view {

void ReportAndQuit(const forms::RuntimeError& error) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(forms::App::Title),
                  QString::fromStdString(forms::ErrorReportText(error)), QMessageBox::Ok);
  box.exec();
  QCoreApplication::exit(EXIT_FAILURE);
}

}  // namespace view
