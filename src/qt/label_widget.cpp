#include "qt/label_widget.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include "forms/twips.h"
#include "qt/qt_conversions.h"

namespace qt {
namespace {

Qt::Alignment ToQtAlignment(forms::Alignment alignment) {
  switch (alignment) {
    case forms::Alignment::RightJustify:
      return Qt::AlignRight | Qt::AlignTop;
    case forms::Alignment::Center:
      return Qt::AlignHCenter | Qt::AlignTop;
    case forms::Alignment::LeftJustify:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

LabelWidget::LabelWidget(forms::Label& model, QWidget* parent) : QLabel(parent), model_(model) {
  setFont(ToQFont(model.Font));
  setAlignment(ToQtAlignment(model.Alignment));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(model.BackColor));
  colours.setColor(QPalette::WindowText, ToQColor(model.ForeColor));
  setPalette(colours);
  setFocusPolicy(Qt::NoFocus);
  setTextFormat(Qt::PlainText);
  setWordWrap(!model.AutoSize);  // a fixed-size label wraps its text within its width

  model_.SetTextMeasure([metrics = QFontMetrics(font())](const forms::Label& label) {
    const auto text = QString::fromStdString(label.Caption());
    return forms::TextExtent{
        .Width = static_cast<float>(metrics.horizontalAdvance(text) * forms::kTwipsPerPixel),
        .Height = static_cast<float>(metrics.height() * forms::kTwipsPerPixel)};
  });
  ShowModel();
}

LabelWidget::~LabelWidget() {
  model_.SetTextMeasure(nullptr);
}

// Called after every tick: only a change reaches the widget, and the widget is compared with
// what it was last given, not asked.
void LabelWidget::ShowModel() {
  if (model_.Caption() != caption_) {
    caption_ = model_.Caption();
    setText(QString::fromStdString(caption_));
  }
  const QRect place = PixelRect(model_);
  if (place != place_) {
    place_ = place;
    // A fixed size, as the form lays its labels out itself: a new text then asks no layout.
    setFixedSize(place.size());
    move(place.topLeft());
  }
  if (model_.Visible == isHidden()) {
    setVisible(model_.Visible);
  }
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// A click is a press and a release of the left button, both on the label.
void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) {
    emit clicked();
  }
}

}  // namespace qt
