#include "web/about_view.h"

#include <cctype>
#include <string>
#include <utility>

#include "forms/twips.h"
#include "web/page.h"

namespace web {
namespace {

constexpr const char* kOkId = "vexal-about-ok";
constexpr const char* kSysInfoId = "vexal-about-sysinfo";

std::string Selector(const std::string& id) {
  return "#" + id;
}

// The letter of Alt+letter as typed on the player's layout; where Alt makes the key type
// another character (as the Option key does on a Mac), the letter of the key's place.
char AccessLetter(const EmscriptenKeyboardEvent& key) {
  const std::string typed = key.key;
  const std::string code = key.code;
  if (typed.size() == 1 && std::isalpha(static_cast<unsigned char>(typed[0]))) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0])));
  }
  if (code.size() == 4 && code.starts_with("Key")) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(code[3])));
  }
  return 0;
}

// A caption's "&" marks the access letter, which the window underlines.
std::string WithoutAmpersand(const std::string& caption, int& accessIndex) {
  const std::size_t at = caption.find('&');
  if (at == std::string::npos || at + 1 >= caption.size()) {
    accessIndex = -1;
    return caption;
  }
  accessIndex = static_cast<int>(at);
  return caption.substr(0, at) + caption.substr(at + 1);
}

}  // namespace

AboutView::AboutView(app::Events& events, std::function<void()> gone)
    : events_(events), gone_(std::move(gone)), closeId_(std::string(kWindowId) + "-close") {
  vexal_window_create(kWindowId, form_.Caption.c_str(), forms::TwipsToPixels(form_.ClientWidth),
                      forms::TwipsToPixels(form_.ClientHeight), CssColour(form_.BackColor));
  int index = 0;
  for (forms::Label* label : {&form_.lblTitle, &form_.lblVersion, &form_.Label1}) {
    labels_.push_back(std::make_unique<LabelView>(
        *label, kWindowId, std::string(kWindowId) + "-label-" + std::to_string(index++)));
  }
  const forms::Image& image = form_.Image1;
  if (image.Picture != nullptr) {
    const forms::Bitmap& picture = *image.Picture;
    vexal_picture_create(kWindowId, picture.Pixels.data(), picture.Width, picture.Height,
                         forms::TwipsToPixels(image.Left), forms::TwipsToPixels(image.Top),
                         forms::TwipsToPixels(image.Width), forms::TwipsToPixels(image.Height),
                         image.Stretch);
  }
  AddButton(form_.cmdOK, kOkId);
  AddButton(form_.cmdSysInfo, kSysInfoId);
  Listen(true);
}

AboutView::~AboutView() {
  if (open_) {
    Listen(false);
    vexal_window_remove(kWindowId);
  }
  gone_();
}

void AboutView::AddButton(const forms::CommandButton& model, const char* id) {
  int accessIndex = -1;
  const std::string caption = WithoutAmpersand(model.Caption, accessIndex);
  vexal_button_create(kWindowId, id, caption.c_str(), accessIndex, CssFont(model.Font).c_str(),
                      model.Default);
  vexal_place(id, forms::TwipsToPixels(model.Left), forms::TwipsToPixels(model.Top),
              forms::TwipsToPixels(model.Width), forms::TwipsToPixels(model.Height), model.Visible);
  const char accessKey = accessIndex < 0
                             ? 0
                             : static_cast<char>(std::tolower(static_cast<unsigned char>(
                                   caption[static_cast<std::size_t>(accessIndex)])));
  buttons_.push_back({id, accessKey});
}

void AboutView::Listen(bool on) {
  const std::pair<std::string, em_mouse_callback_func> clicks[] = {
      {kOkId,
       [](int, const EmscriptenMouseEvent*, void* view) -> EM_BOOL {
         static_cast<AboutView*>(view)->Press(kOkId);
         return EM_TRUE;
       }},
      {kSysInfoId,
       [](int, const EmscriptenMouseEvent*, void* view) -> EM_BOOL {
         static_cast<AboutView*>(view)->Press(kSysInfoId);
         return EM_TRUE;
       }},
      {closeId_, [](int, const EmscriptenMouseEvent*, void* view) -> EM_BOOL {
         static_cast<AboutView*>(view)->Close();
         return EM_TRUE;
       }}};
  for (const auto& [id, handler] : clicks) {
    emscripten_set_click_callback(Selector(id).c_str(), on ? this : nullptr, false,
                                  on ? handler : nullptr);
  }
  emscripten_set_mousedown_callback(Selector(kWindowId).c_str(), on ? this : nullptr, false,
                                    on ? OnMouseDown : nullptr);
  emscripten_set_touchstart_callback(Selector(kWindowId).c_str(), on ? this : nullptr, false,
                                     on ? OnTouchStart : nullptr);
}

void AboutView::ShowModel() {
  if (form_.Caption != caption_) {
    caption_ = form_.Caption;
    vexal_window_caption(kWindowId, caption_.c_str());
  }
  for (const auto& label : labels_) {
    label->ShowModel();
  }
}

void AboutView::Present() {
  inFront_ = true;
  vexal_bring_to_front(kWindowId);
}

void AboutView::Close() {
  if (open_) {
    open_ = false;
    Listen(false);
    vexal_window_remove(kWindowId);
    events_.AboutClosed();
  }
}

void AboutView::Press(const std::string& id) {
  if (id == kOkId) {
    events_.OkClicked();
  } else if (id == kSysInfoId) {
    events_.SysInfoClicked();
  }
}

// Enter presses the button that has the focus, Esc the cancel button; the view may be gone
// after either.
bool AboutView::KeyDown(const EmscriptenKeyboardEvent& key) {
  const std::string name = key.key;
  if (key.altKey && !key.ctrlKey) {
    const char letter = AccessLetter(key);
    for (const Button& button : buttons_) {
      if (letter != 0 && button.accessKey == letter) {
        vexal_focus(button.id.c_str());
        Press(button.id);
        return true;
      }
    }
    return false;
  }
  if (name == "Tab") {
    vexal_focus(vexal_has_focus(kOkId) != 0 ? kSysInfoId : kOkId);
    return true;
  }
  if (name == "Escape") {
    Press(kOkId);
    return true;
  }
  if (name == "Enter") {
    Press(vexal_has_focus(kSysInfoId) != 0 ? kSysInfoId : kOkId);
    return true;
  }
  return false;
}

// A finger that drags the caption sends no mouse press: its touch brings the window in front.
EM_BOOL AboutView::OnTouchStart(int type, const EmscriptenTouchEvent* /*event*/, void* view) {
  return OnMouseDown(type, nullptr, view);
}

EM_BOOL AboutView::OnMouseDown(int /*type*/, const EmscriptenMouseEvent* /*event*/, void* view) {
  auto& about = *static_cast<AboutView*>(view);
  if (!about.inFront_) {
    about.Present();
  }
  return EM_FALSE;
}

}  // namespace web
