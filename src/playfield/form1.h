#pragma once

#include <vector>

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/timer.h"

namespace playfield {

inline constexpr forms::Colour kRed = 0x000000FF;
inline constexpr forms::Colour kYellow = 0x0000FFFF;

inline const forms::Font kAboutFont{
    .Name = "MS Sans Serif", .Size = 24, .Weight = 700, .Italic = true};

// The main window and the whole game scene: every piece of game state lives in one of these
// controls. Members are declared in the order of the layout table. The auto-size labels are
// given their place alone: their size is their caption's, measured by the host in its font.
struct Form1 : forms::Form {
  Form1();

  forms::Timer Timer1{1};

  forms::Label Label4{{.Left = 0, .Top = 5520, .Width = 3135, .Height = 495},
                      "About",
                      {.BackColor = forms::kMenuText,
                       .ForeColor = kYellow,
                       .Font = kAboutFont,
                       .Alignment = forms::Alignment::Center}};
  forms::Label aa{{.Left = 2400, .Top = 5280},
                  "0",
                  {.BackColor = forms::kButtonText, .ForeColor = kRed, .AutoSize = true}};
  forms::Label Label3{{.Left = 1800, .Top = 5280},
                      "Level:",
                      {.BackColor = forms::kMenuText, .ForeColor = kRed, .AutoSize = true}};
  forms::Label k{{.Left = 1320, .Top = 5280},
                 "0",
                 {.BackColor = forms::kButtonText, .ForeColor = kRed, .AutoSize = true}};
  forms::Label Label2{{.Left = 960, .Top = 5280},
                      "Lost:",
                      {.BackColor = forms::kButtonText, .ForeColor = kRed, .AutoSize = true}};
  forms::Label Label1{{.Left = 120, .Top = 5280},
                      "Win:",
                      {.BackColor = forms::kButtonText, .ForeColor = kRed, .AutoSize = true}};
  forms::Label l{{.Left = 480, .Top = 5280},
                 "0",
                 {.BackColor = forms::kWindowText, .ForeColor = kRed, .AutoSize = true}};

  forms::ControlArray<forms::Image> c;  // oval targets, the lower row
  forms::Image f;                       // the shot
  forms::Line Line1{
      .X1 = -120, .Y1 = 5040, .X2 = 3120, .Y2 = 5040, .BorderColor = forms::kTitleBarText};
  forms::Image p;                       // the cannon
  forms::ControlArray<forms::Image> b;  // square targets, the upper row

  std::vector<forms::Label*> Labels();
  // Targets first, then the cannon, and the shot over everything.
  std::vector<const forms::Image*> ImagesInDrawingOrder() const;
};

// Completes both target rows before the window is first shown.
void Form_Load(Form1& form);

}  // namespace playfield
