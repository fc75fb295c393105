#include "web/web_host.h"

#include <emscripten/em_macros.h>
#include <emscripten/eventloop.h>

#include <string>

#include "forms/app.h"
#include "web/page.h"

namespace web {
namespace {

const std::string kTitle(forms::App::Title);

std::string Selector(const char* id) {
  return std::string("#") + id;
}

}  // namespace

std::unique_ptr<app::FormWindow> WebHost::OpenMainWindow(playfield::Form1& form,
                                                         app::Events& events) {
  events_ = &events;
  auto window = std::make_unique<PlayfieldView>(form);
  main_ = window.get();
  emscripten_set_keypress_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, false, OnKeyPress);
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, false, OnKeyDown);
  emscripten_set_mousedown_callback(Selector(PlayfieldView::kAreaId).c_str(), this, false,
                                    OnGameMouseDown);
  emscripten_set_touchstart_callback(Selector(PlayfieldView::kAreaId).c_str(), this, false,
                                     OnGameTouchStart);
  emscripten_set_click_callback(Selector(PlayfieldView::kAboutCaptionId).c_str(), this, false,
                                OnAboutCaptionClick);
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, OnResize);
  vexal_keys_listen(this);
  return window;
}

std::unique_ptr<app::AboutFormWindow> WebHost::OpenAboutWindow(app::Events& events) {
  auto window = std::make_unique<AboutView>(events, [this] { about_ = nullptr; });
  about_ = window.get();
  return window;
}

void WebHost::SetTickPeriod(int milliseconds) {
  if (ticks_ != 0) {
    emscripten_clear_interval(ticks_);
    ticks_ = 0;
  }
  if (milliseconds > 0 && !ended_) {
    ticks_ = emscripten_set_interval(OnTick, milliseconds, this);
  }
}

void WebHost::ReportError(const forms::RuntimeError& error) {
  vexal_message_box(kTitle.c_str(), forms::ErrorReportText(error).c_str(), 1);
}

// A page cannot end its process: the game stops, takes no more input, and the page says so.
void WebHost::Quit(int /*status*/) {
  SetTickPeriod(0);
  ended_ = true;
  vexal_ended();
}

// The game sees characters, not keys, and only while its area is in front.
bool WebHost::Type(int character) {
  if (ended_ || (about_ != nullptr && about_->InFront()) || character == 0) {
    return false;
  }
  events_->KeyTyped(character);
  return true;
}

EM_BOOL WebHost::OnKeyPress(int /*type*/, const EmscriptenKeyboardEvent* key, void* host) {
  if (key->ctrlKey || key->altKey || key->metaKey) {
    return EM_FALSE;
  }
  return static_cast<WebHost*>(host)->Type(static_cast<int>(key->charCode)) ? EM_TRUE : EM_FALSE;
}

EM_BOOL WebHost::OnKeyDown(int /*type*/, const EmscriptenKeyboardEvent* key, void* host) {
  auto& self = *static_cast<WebHost*>(host);
  if (self.ended_ || self.about_ == nullptr || !self.about_->InFront()) {
    return EM_FALSE;
  }
  return self.about_->KeyDown(*key) ? EM_TRUE : EM_FALSE;
}

// A press on the game area brings it in front of the About window.
EM_BOOL WebHost::OnGameMouseDown(int /*type*/, const EmscriptenMouseEvent* /*event*/, void* host) {
  auto& self = *static_cast<WebHost*>(host);
  if (self.about_ != nullptr && self.about_->InFront()) {
    self.about_->SendBehind();
    self.main_->Present();
  }
  return EM_FALSE;
}

EM_BOOL WebHost::OnGameTouchStart(int type, const EmscriptenTouchEvent* /*event*/, void* host) {
  return OnGameMouseDown(type, nullptr, host);
}

// A click is a press and a release of the left button, both on the caption.
EM_BOOL WebHost::OnAboutCaptionClick(int /*type*/, const EmscriptenMouseEvent* event, void* host) {
  auto& self = *static_cast<WebHost*>(host);
  if (self.ended_ || event->button != 0) {
    return EM_FALSE;
  }
  self.events_->AboutClicked();
  return EM_TRUE;
}

EM_BOOL WebHost::OnResize(int /*type*/, const EmscriptenUiEvent* /*event*/, void* host) {
  auto& self = *static_cast<WebHost*>(host);
  if (self.main_ != nullptr) {
    self.main_->FollowPixelRatio();
  }
  return EM_FALSE;
}

void WebHost::OnTick(void* host) {
  auto& self = *static_cast<WebHost*>(host);
  self.events_->Tick();
}

extern "C" EMSCRIPTEN_KEEPALIVE void vexal_type(void* host, int character) {
  static_cast<WebHost*>(host)->Type(character);
}

void WebMessageBox::MsgBox(const std::string& prompt, int /*buttons: always OK only here*/) {
  vexal_message_box(kTitle.c_str(), prompt.c_str(), 0);
}

}  // namespace web
