#include "about/about_box.h"

#include <string>

#include "about/system_info.h"
#include "forms/app.h"

namespace about {
namespace {

constexpr std::int32_t kPaused = 0;
constexpr std::int32_t kRunning = 1;  // the timer's start-up value

}  // namespace

void Label4_Click(playfield::Form1& form, AboutWindows& windows) {
  form.Timer1.SetInterval(kPaused);
  windows.ShowAbout();
}

void Form_Load(frmAbout& form) {
  form.Caption = "About " + std::string(forms::App::Title);
}

void cmdOK_Click(playfield::Form1* mainForm, AboutWindows& windows) {
  if (mainForm != nullptr) {
    mainForm->Timer1.SetInterval(kRunning);
  }
  windows.UnloadAbout();
}

void cmdSysInfo_Click(SystemServices& host) {
  StartSysInfo(host);
}

}  // namespace about
