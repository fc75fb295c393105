#pragma once

#include "about/frm_about.h"
#include "about/system_services.h"
#include "playfield/form1.h"

// The About box: opening it pauses the game, and only its OK button lets the game run on.
namespace about {

// The host's window operations on frmAbout.
class AboutWindows {
 public:
  virtual ~AboutWindows() = default;
  // Modeless and without an owner. When the window is not loaded, it is created and its
  // Form_Load runs before it is shown; when it is, it only comes to the front and is activated.
  virtual void ShowAbout() = 0;
  virtual void UnloadAbout() = 0;
};

void Label4_Click(playfield::Form1& form, AboutWindows& windows);

void Form_Load(frmAbout& form);

// mainForm is null once the main window has been closed: then the About window only closes,
// and no hidden main window is brought back with its timer running.
void cmdOK_Click(playfield::Form1* mainForm, AboutWindows& windows);

void cmdSysInfo_Click(SystemServices& host);

}  // namespace about
