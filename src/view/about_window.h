#pragma once

#include <QDialog>
#include <QPushButton>
#include <vector>

#include "about/frm_about.h"
#include "view/label_widget.h"

namespace view {

// The About window: a top-level window of its own, shown modeless. It owns its form, so the
// window and its controls go together.
class AboutWindow : public QDialog {
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
  void closed();  // however it was closed

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPushButton* MakeButton(const forms::CommandButton& button);

  about::frmAbout model_;
  std::vector<LabelWidget*> labels_;
  QPushButton* ok_;
  QPushButton* sysInfo_;
  QImage picture_;
};

}  // namespace view
