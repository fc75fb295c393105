#include "view/playfield_window.h"

#include <QKeyEvent>
#include <QPainter>

#include "forms/twips.h"
#include "view/form_frame.h"
#include "view/qt_conversions.h"

namespace view {

PlayfieldWindow::PlayfieldWindow(playfield::Form1& form) : form_(form) {
  ApplyFormFrame(*this, form);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  for (forms::Label* label : form.Labels()) {
    auto* widget = new LabelWidget(*label, this);
    labels_.push_back(widget);
    if (label == &form.Label4) {
      widget->setCursor(Qt::PointingHandCursor);
      connect(widget, &LabelWidget::clicked, this, &PlayfieldWindow::aboutClicked);
    }
  }
}

void PlayfieldWindow::ShowModel() {
  for (LabelWidget* label : labels_) {
    label->ShowModel();
  }
  update();
}

void PlayfieldWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // Pixel art stays crisp when a high-dpi screen scales it.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(rect(), ToQColor(form_.BackColor));

  for (const forms::Image* image : form_.ImagesInDrawingOrder()) {
    if (image->Visible && image->Picture != nullptr) {
      painter.drawImage(PixelRect(*image).topLeft(), ImageOf(*image->Picture));
    }
  }

  const forms::Line& line = form_.Line1;
  if (line.Visible) {
    painter.setPen(QPen(ToQColor(line.BorderColor), 1));
    painter.drawLine(forms::TwipsToPixels(line.X1), forms::TwipsToPixels(line.Y1),
                     forms::TwipsToPixels(line.X2), forms::TwipsToPixels(line.Y2));
  }
}

// The game sees characters, not keys: every character a press types, auto-repeats included.
void PlayfieldWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  for (const QChar character : text) {
    emit characterTyped(character.unicode());
  }
}

const QImage& PlayfieldWindow::ImageOf(const forms::Bitmap& picture) {
  auto found = images_.find(&picture);
  if (found == images_.end()) {
    found = images_.emplace(&picture, ToQImage(picture)).first;
  }
  return found->second;
}

}  // namespace view
