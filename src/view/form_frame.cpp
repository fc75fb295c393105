#include "view/form_frame.h"

#include <QIcon>
#include <QPixmap>

#include "forms/twips.h"
#include "view/qt_conversions.h"

namespace view {

void ApplyFormFrame(QWidget& window, const forms::Form& form) {
  const Qt::WindowType type = window.windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
  Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
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

}  // namespace view
