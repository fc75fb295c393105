#pragma once

#include <QPointer>
#include <QToolButton>
#include <QWidget>

namespace qt {

// The program's own frame, where the desktop's would show minimize or maximize: a caption with
// the icon, the title and a close button, which moves the window, and for a sizeable window,
// edges that size it. The content, until then a top-level widget, becomes the frame's child with
// its client size kept, and keeps it when it sizes itself; its title and icon are the frame's,
// and the two go together (the content's window() is the frame). Its close button closes the
// frame, whose close event its owner takes.
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
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit DrawnFrame(QWidget& content);
  int Border() const;
  Qt::Edges EdgesAt(QPoint point) const;
  QSize Margins() const;
  void Fit();

  QPointer<QWidget> content_;  // its child: deleted with it
  const bool sizeable_;
  QToolButton* close_;
};

}  // namespace qt
