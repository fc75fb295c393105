#pragma once

#include <QPainter>
#include <QWidget>
#include <unordered_map>
#include <vector>

#include "app/field_changes.h"
#include "playfield/form1.h"
#include "qt/label_widget.h"
#include "qt/pixel_region.h"

namespace qt {

// The main window: draws Form1's controls and hands on what the player types and clicks.
// It decides nothing; after every handler it is told to show the model again.
class PlayfieldWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PlayfieldWindow(playfield::Form1& form);

  void ShowModel();

  // The widget that shows a label of the form.
  const LabelWidget* WidgetOf(const forms::Label& label) const;

 signals:
  void characterTyped(int code);
  void aboutClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The field's background, pictures and line within an area of the window.
  void PaintField(QPainter& painter, const QRect& area);
  const QImage& ImageOf(const forms::Bitmap& picture);

  playfield::Form1& form_;
  app::FieldChanges changes_;
  std::vector<QRect> changed_;  // kept from tick to tick, as are the two below
  PixelRegion region_;
  struct Placed {
    QRect place;
    const QImage* image;
  };
  std::vector<Placed> pictures_;  // what a paint draws, in drawing order
  std::unordered_map<const forms::Label*, LabelWidget*> labels_;
  std::unordered_map<const forms::Bitmap*, QImage> images_;
};

}  // namespace qt
