#include "qt/form_frame.h"

#include <QIcon>
#include <QPixmap>

#include "forms/twips.h"
#include "qt/qt_conversions.h"

namespace qt {

void ApplyFormFrame(QWidget& window, const forms::Form& form) {
  // An ordinary window, never a dialog: a dialog with no owner is made transient for the whole
  // application, and some window managers then keep it above the application's other windows.
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (form.MinButton) {
    flags |= Qt::WindowMinimizeButtonHint;
  }
  if (form.MaxButton) {
    flags |= Qt::WindowMaximizeButtonHint;
  }
  window.setWindowFlags(flags);
  window.setWindowTitle(QString::fromStdString(form.Caption));

  const QSize client(forms::TwipsToPixels(form.ClientWidth),
                     forms::TwipsToPixels(form.ClientHeight));
  if (form.BorderStyle == forms::BorderStyle::FixedDialog) {
    window.setFixedSize(client);
  } else {
    window.resize(client);
  }
  if (form.Icon != nullptr) {
    window.setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(*form.Icon))));
  }
}

}  // namespace qt
