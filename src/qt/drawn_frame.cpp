#include "qt/drawn_frame.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace qt {
namespace {

constexpr int kSizingBorder = 4;  // wide enough to take with the pointer
constexpr int kFixedBorder = 1;
constexpr int kIconSize = 16;
constexpr int kPadding = 8;

}  // namespace

DrawnFrame& DrawnFrame::Around(QWidget& content) {
  return *new DrawnFrame(content);
}

DrawnFrame::DrawnFrame(QWidget& content)
    : content_(&content),
      sizeable_(content.minimumSize() != content.maximumSize()),
      close_(new QToolButton(this)) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(content.windowTitle());
  setWindowIcon(content.windowIcon());
  setMouseTracking(true);  // the pointer's shape on the edges
  connect(&content, &QWidget::windowTitleChanged, this, [this](const QString& title) {
    setWindowTitle(title);
    update();
  });

  close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close_->setAccessibleName(tr("Close"));
  close_->setAutoRaise(true);
  close_->setFocusPolicy(Qt::NoFocus);  // the keys stay with the window's own controls
  connect(close_, &QToolButton::clicked, this, &QWidget::close);

  QWidget* focus = content.focusWidget();
  content.setParent(this);
  content.installEventFilter(this);
  content.show();
  if (sizeable_) {
    setMinimumSize(Margins() + QSize(CaptionHeight * 3, 0));
  }
  Fit();
  if (focus != nullptr) {
    focus->setFocus();  // the control that had the focus in the window has it in the frame
  }
}

int DrawnFrame::Border() const {
  return sizeable_ ? kSizingBorder : kFixedBorder;
}

QSize DrawnFrame::Margins() const {
  return {2 * Border(), CaptionHeight + Border()};
}

void DrawnFrame::Fit() {
  const QSize size = content_->size() + Margins();
  if (sizeable_) {
    resize(size);
  } else {
    setFixedSize(size);
  }
}

// A content that sizes itself (a message box, as it is shown) takes its frame with it.
bool DrawnFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == content_ && event->type() == QEvent::Resize &&
      content_->size() + Margins() != size()) {
    Fit();
  }
  return false;
}

void DrawnFrame::resizeEvent(QResizeEvent* /*event*/) {
  const int border = Border();
  if (content_ != nullptr) {
    content_->setGeometry(border, CaptionHeight, width() - 2 * border,
                          height() - CaptionHeight - border);
  }
  const int button = CaptionHeight - 2 * border;
  close_->setGeometry(width() - border - button, border, button, button);
}

void DrawnFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool active = isActiveWindow();
  painter.fillRect(
      rect(), palette().color(active ? QPalette::Active : QPalette::Inactive, QPalette::Button));
  const int border = Border();
  QRect icon(border, (CaptionHeight - kIconSize) / 2, 0, kIconSize);
  if (!windowIcon().isNull()) {
    icon.setLeft(icon.left() + kPadding);
    icon.setWidth(kIconSize);
    windowIcon().paint(&painter, icon);
  }
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(
      palette().color(active ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  // Centred in the caption, as the desktop's own frames have it, clear of the icon and the button.
  const int reserved = std::max(icon.right() + kPadding, width() - close_->x() + kPadding);
  const QRect title(reserved, 0, width() - 2 * reserved, CaptionHeight);
  painter.drawText(title, Qt::AlignCenter,
                   painter.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, title.width()));
}

Qt::Edges DrawnFrame::EdgesAt(QPoint point) const {
  Qt::Edges edges;
  if (!sizeable_) {
    return edges;
  }
  const int border = Border();
  edges.setFlag(Qt::LeftEdge, point.x() < border);
  edges.setFlag(Qt::RightEdge, point.x() >= width() - border);
  edges.setFlag(Qt::TopEdge, point.y() < border);
  edges.setFlag(Qt::BottomEdge, point.y() >= height() - border);
  return edges;
}

// The compositor moves and sizes the window, as it would by a frame of its own.
void DrawnFrame::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || windowHandle() == nullptr) {
    return;
  }
  const Qt::Edges edges = EdgesAt(event->position().toPoint());
  if (edges != Qt::Edges()) {
    windowHandle()->startSystemResize(edges);
  } else if (event->position().y() < CaptionHeight) {
    windowHandle()->startSystemMove();
  }
}

void DrawnFrame::mouseMoveEvent(QMouseEvent* event) {
  const Qt::Edges edges = EdgesAt(event->position().toPoint());
  if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge)) {
    setCursor(Qt::SizeFDiagCursor);
  } else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge)) {
    setCursor(Qt::SizeBDiagCursor);
  } else if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
    setCursor(Qt::SizeHorCursor);
  } else if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
    setCursor(Qt::SizeVerCursor);
  } else {
    unsetCursor();
  }
}

void DrawnFrame::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    update();  // the caption shows whether the window is active
  }
  QWidget::changeEvent(event);
}

}  // namespace qt
