#pragma once

#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"

namespace about {

inline constexpr forms::Colour kWhite = 0x00FFFFFF;
inline constexpr forms::Colour kBlack = 0x00000000;
inline constexpr forms::Colour kRed = 0x000000FF;

// The About window: a title line, a version line, a picture, a short text and two buttons.
struct frmAbout : forms::Form {
  frmAbout();

  forms::CommandButton cmdOK;
  forms::CommandButton cmdSysInfo;
  forms::Label lblTitle{{.Left = 240, .Top = 840, .Width = 1125, .Height = 240},
                        "Lumbrix",
                        {.BackColor = kWhite, .ForeColor = kBlack}};
  forms::Label lblVersion{
      {.Left = 240, .Top = 1080, .Width = 1965, .Height = 225}, "Version 3", {.BackColor = kWhite}};
  forms::Label Label1;
  forms::Image Image1;
};

}  // namespace about
