#include "about/frm_about.h"

#include "assets/about_picture.h"

namespace about {
namespace {

const forms::Font kTextFont{.Name = "MS Sans Serif", .Size = 9.75};

forms::CommandButton Button(forms::Control place, const char* caption, int tabIndex) {
  forms::CommandButton button;
  static_cast<forms::Control&>(button) = place;
  button.Caption = caption;
  button.TabIndex = tabIndex;
  return button;
}

}  // namespace

frmAbout::frmAbout()
    : cmdOK(Button({.Left = 240, .Top = 1800, .Width = 1260, .Height = 345}, "OK", 0)),
      cmdSysInfo(
          Button({.Left = 3720, .Top = 1800, .Width = 1245, .Height = 345}, "&System Info...", 1)),
      Label1({.Left = 1440, .Top = 240, .Width = 2655, .Height = 1455},
             "4 and 6 move the cannon,\nthe space bar fires.",
             {.BackColor = kWhite, .ForeColor = kRed, .Font = kTextFont}),
      Image1{
          {.Left = 4320, .Top = 600, .Width = 825, .Height = 1065}, &assets::AboutPicture(), true} {
  Caption = "About KESTROW";  // replaced at load
  ClientLeft = 7590;
  ClientTop = 3405;
  ClientWidth = 5265;
  ClientHeight = 2250;
  BackColor = kWhite;
  BorderStyle = forms::BorderStyle::FixedDialog;
  MaxButton = false;
  MinButton = false;
  cmdOK.Default = true;
  cmdOK.Cancel = true;
}

}  // namespace about
