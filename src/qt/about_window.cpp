#include "qt/about_window.h"

#include <QKeyEvent>
#include <QPainter>

#include "qt/form_frame.h"
#include "qt/qt_conversions.h"

namespace qt {

AboutWindow::AboutWindow()
    : ok_(MakeButton(model_.cmdOK)), sysInfo_(MakeButton(model_.cmdSysInfo)) {
  ApplyFormFrame(*this, model_);

  for (forms::Label* label : {&model_.lblTitle, &model_.lblVersion, &model_.Label1}) {
    labels_.push_back(new LabelWidget(*label, this));
  }
  setTabOrder(ok_, sysInfo_);
  connect(ok_, &QPushButton::clicked, this, &AboutWindow::okClicked);
  connect(sysInfo_, &QPushButton::clicked, this, &AboutWindow::sysInfoClicked);
  if (model_.Image1.Picture != nullptr) {
    picture_ = ToQImage(*model_.Image1.Picture);
  }
  ok_->setFocus();
}

// The label widgets go before the form they show, which is a member and goes first otherwise.
AboutWindow::~AboutWindow() {
  for (LabelWidget* label : labels_) {
    delete label;
  }
}

void AboutWindow::ShowModel() {
  setWindowTitle(QString::fromStdString(model_.Caption));
}

QPushButton* AboutWindow::MakeButton(const forms::CommandButton& button) {
  auto* widget = new QPushButton(QString::fromStdString(button.Caption), this);
  widget->setGeometry(PixelRect(button));
  widget->setFont(ToQFont(button.Font));
  widget->setAutoDefault(true);  // Enter presses whichever button has the focus
  widget->setDefault(button.Default);
  // A button pressed by its access key takes the focus, as a click does.
  connect(widget, &QPushButton::pressed, widget,
          [widget] { widget->setFocus(Qt::ShortcutFocusReason); });
  return widget;
}

// Esc presses the cancel button. Enter goes to the button that has the focus (one of the two
// always has it, OK when the window opens), and that button presses itself.
void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    (model_.cmdOK.Cancel ? ok_ : sysInfo_)->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

// The background is painted here rather than set in the palette: the style caches its button
// pictures by palette, and a palette of each window's own would add new ones with every opening.
void AboutWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(model_.BackColor));
  const forms::Image& image = model_.Image1;
  if (image.Visible && !picture_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, image.Stretch);
    painter.drawImage(
        image.Stretch ? PixelRect(image) : QRect(PixelRect(image).topLeft(), picture_.size()),
        picture_);
  }
}

}  // namespace qt
