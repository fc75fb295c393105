#include "playfield/form1.h"

#include "assets/pictures.h"

namespace playfield {

Form1::Form1()
    : c(forms::Image{{.Left = 0, .Top = 3480, .Width = 270, .Height = 300}, &assets::OvalTarget()}),
      f{{.Left = 0, .Top = 4440, .Width = 30, .Height = 45, .Visible = false}, &assets::Shot()},
      p{{.Left = 1080, .Top = 4680, .Width = 570, .Height = 360}, &assets::Cannon()},
      b(forms::Image{{.Left = 480, .Top = 3000, .Width = 270, .Height = 300},
                     &assets::SquareTarget()}) {
  Caption = "Game";
  ClientLeft = 3405;
  ClientTop = 645;
  ClientWidth = 3120;
  ClientHeight = 6000;
  BackColor = forms::kMenuText;
  BorderStyle = forms::BorderStyle::Sizable;
  MaxButton = false;
  MinButton = false;
  Icon = &assets::WindowIcon();
}

std::vector<forms::Label*> Form1::Labels() {
  return {&Label4, &aa, &Label3, &k, &Label2, &Label1, &l};
}

std::vector<const forms::Image*> Form1::ImagesInDrawingOrder() const {
  std::vector<const forms::Image*> images;
  for (const auto& row : {&c, &b}) {
    for (const auto& [index, target] : row->Elements()) {
      images.push_back(&target);
    }
  }
  images.push_back(&p);
  images.push_back(&f);
  return images;
}

}  // namespace playfield
