#pragma once

#include <QPushButton>
#include <vector>

#include "about/frm_about.h"
#include "qt/label_widget.h"

namespace qt {

// The About window: an ordinary top-level window of its own, owned by no other and shown
// modeless, so that window managers stack it like the main window and never keep it on top of
// it. It owns its form, so the window and its controls go together.
class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  AboutWindow();
  ~AboutWindow() override;

  about::frmAbout& Model() { return model_; }
  void ShowModel();

  QPushButton& OkButton() { return *ok_; }
  QPushButton& SysInfoButton() { return *sysInfo_; }

 signals:
  void okClicked();
  void sysInfoClicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPushButton* MakeButton(const forms::CommandButton& button);

  about::frmAbout model_;
  std::vector<LabelWidget*> labels_;
  QPushButton* ok_;
  QPushButton* sysInfo_;
  QImage picture_;
};

}  // namespace qt
