#include "qt/playfield_window.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "forms/twips.h"
#include "qt/form_frame.h"
#include "qt/qt_conversions.h"

namespace qt {

PlayfieldWindow::PlayfieldWindow(playfield::Form1& form) : form_(form) {
  ApplyFormFrame(*this, form);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  for (forms::Label* label : form.Labels()) {
    auto* widget = new LabelWidget(*label, this);
    labels_.emplace(label, widget);
    if (label == &form.Label4) {
      widget->setCursor(Qt::PointingHandCursor);
      connect(widget, &LabelWidget::clicked, this, &PlayfieldWindow::aboutClicked);
    }
  }
}

void PlayfieldWindow::ShowModel() {
  for (const auto& [model, widget] : labels_) {
    widget->ShowModel();  // a label repaints itself when its text, place or visibility changed
  }
  changed_.clear();
  for (const forms::Control& area : changes_.Since(form_)) {
    changed_.push_back(PixelRect(area));
  }
  // At once rather than on the next pass of the event loop: one wake-up a tick, not two.
  if (!changed_.empty()) {
    repaint(region_.Of(changed_));
  }
}

void PlayfieldWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Pixel art stays crisp when a high-dpi screen scales it.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  pictures_.clear();
  for (const forms::Image* image : form_.ImagesInDrawingOrder()) {
    if (image->Visible && image->Picture != nullptr) {
      pictures_.push_back(
          {PixelRect(app::FieldChanges::PictureArea(*image->Picture, image->Left, image->Top)),
           &ImageOf(*image->Picture)});
    }
  }
  // Rectangle by rectangle: a drawing clipped to one rectangle is a plain copy, where one clipped
  // to a region of many rectangles is cut row by row.
  for (const QRect& rect : event->region()) {
    painter.setClipRect(rect);
    PaintField(painter, rect);
  }
}

void PlayfieldWindow::PaintField(QPainter& painter, const QRect& area) {
  painter.fillRect(area, ToQColor(form_.BackColor));
  for (const Placed& picture : pictures_) {
    if (picture.place.intersects(area)) {
      painter.drawImage(picture.place.topLeft(), *picture.image);
    }
  }
  const forms::Line& line = form_.Line1;
  if (line.Visible && PixelRect(app::FieldChanges::LineArea(line)).intersects(area)) {
    // Through pixel centres, so that the line fills whole pixels at any device pixel ratio.
    const QPointF centre(0.5, 0.5);
    painter.setPen(QPen(ToQColor(line.BorderColor), 1));
    painter.drawLine(
        QPointF(forms::TwipsToPixels(line.X1), forms::TwipsToPixels(line.Y1)) + centre,
        QPointF(forms::TwipsToPixels(line.X2), forms::TwipsToPixels(line.Y2)) + centre);
  }
}

// The game sees characters, not keys: every character a press types, auto-repeats included.
// An Alt chord types no character, whatever text the keyboard layout gives it.
void PlayfieldWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty() || event->modifiers().testFlag(Qt::AltModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  for (const QChar character : text) {
    emit characterTyped(character.unicode());
  }
}

const LabelWidget* PlayfieldWindow::WidgetOf(const forms::Label& label) const {
  const auto found = labels_.find(&label);
  return found == labels_.end() ? nullptr : found->second;
}

const QImage& PlayfieldWindow::ImageOf(const forms::Bitmap& picture) {
  auto found = images_.find(&picture);
  if (found == images_.end()) {
    found = images_.emplace(&picture, ToQImage(picture)).first;
  }
  return found->second;
}

}  // namespace qt
