#pragma once

#include <QPointer>
#include <QToolButton>
#include <QWidget>

namespace qt {

// The frame of a window where the compositor draws none (GNOME's, on Wayland) and Qt's own
// would show minimize and maximize buttons whatever the window's flags: a caption with the icon,
// the title and a close button, which moves the window, and for a sizeable window, edges that
// size it. The content, until then a top-level widget, becomes the frame's child with its client
// size kept; its title and icon are the frame's, its close is the frame's, and the two go
// together (the content's window() is the frame).
class DrawnFrame : public QWidget {
  Q_OBJECT

 public:
  static DrawnFrame& Around(QWidget& content);

  static constexpr int CaptionHeight = 30;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  explicit DrawnFrame(QWidget& content);
  int Border() const;
  Qt::Edges EdgesAt(QPoint point) const;

  QPointer<QWidget> content_;  // its child: deleted with it
  const bool sizeable_;
  QToolButton* close_;
};

}  // namespace qt
