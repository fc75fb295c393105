#pragma once

#include <QLabel>
#include <string>

#include "forms/label.h"

namespace qt {

// Shows one model label as a real Qt label, so that its text is text to assistive technology.
class LabelWidget : public QLabel {
  Q_OBJECT

 public:
  LabelWidget(forms::Label& model, QWidget* parent);
  ~LabelWidget() override;

  void ShowModel();

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  forms::Label& model_;
  // What the widget was last given.
  std::string caption_;
  QRect place_;
  bool pressed_ = false;
};

}  // namespace qt
