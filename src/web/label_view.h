#pragma once

#include <string>

#include "forms/label.h"

namespace web {

// A label of a form as a text element of the page, so that screen readers read it and the
// browser's zoom keeps its text sharp. It tells the label how wide its texts are.
class LabelView {
 public:
  LabelView(forms::Label& model, const std::string& parent, std::string id);
  LabelView(const LabelView&) = delete;
  LabelView& operator=(const LabelView&) = delete;
  ~LabelView();

  const std::string& Id() const { return id_; }
  void ShowModel();  // only a change of text, place or visibility reaches the page

 private:
  forms::Label& model_;
  std::string id_;
  std::string font_;
  std::string caption_;
  struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    friend bool operator==(const Place&, const Place&) = default;
  };
  Place place_;
};

// The closest CSS font that the browser has for a form's font.
std::string CssFont(const forms::Font& font);
int CssColour(forms::Colour colour);  // 0xRRGGBB

}  // namespace web
