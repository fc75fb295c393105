#pragma once

#include <QWidget>
#include <unordered_map>
#include <vector>

#include "app/field_changes.h"
#include "playfield/form1.h"
#include "qt/label_widget.h"

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
  void closed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  const QImage& ImageOf(const forms::Bitmap& picture);

  playfield::Form1& form_;
  app::FieldChanges changes_;
  std::unordered_map<const forms::Label*, LabelWidget*> labels_;
  std::unordered_map<const forms::Bitmap*, QImage> images_;
};

}  // namespace qt
