#pragma once

#include <emscripten/html5.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/host.h"
#include "web/label_view.h"

namespace web {

// The About window as a window inside the page: a caption with a close button, movable by its
// caption, and the form's labels, picture and two buttons in its client area. OK is its default
// and its cancel button; Tab goes between the buttons; Alt with the access letter presses one.
class AboutView : public app::AboutFormWindow {
 public:
  static constexpr const char* kWindowId = "vexal-about";

  // gone is called when the view goes, so that its host stops sending it keys.
  AboutView(app::Events& events, std::function<void()> gone);
  AboutView(const AboutView&) = delete;
  AboutView& operator=(const AboutView&) = delete;
  ~AboutView() override;

  about::frmAbout& Form() override { return form_; }
  void ShowModel() override;
  void Present() override;
  void Close() override;  // reports AboutClosed; the view may be gone when it returns

  bool InFront() const { return inFront_; }
  void SendBehind() { inFront_ = false; }
  // The window's keys while it is in front; true when the key was the window's.
  bool KeyDown(const EmscriptenKeyboardEvent& key);

 private:
  struct Button {
    std::string id;
    char accessKey;  // 0: none
  };
  void AddButton(const forms::CommandButton& model, const char* id);
  void Press(const std::string& id);
  void Listen(bool on);

  static EM_BOOL OnMouseDown(int type, const EmscriptenMouseEvent* event, void* view);
  static EM_BOOL OnTouchStart(int type, const EmscriptenTouchEvent* event, void* view);

  app::Events& events_;
  std::function<void()> gone_;
  about::frmAbout form_;
  std::vector<std::unique_ptr<LabelView>> labels_;
  std::vector<Button> buttons_;
  std::string closeId_;
  std::string caption_;
  bool inFront_ = false;
  bool open_ = true;
};

}  // namespace web
