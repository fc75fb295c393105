#pragma once

#include <memory>
#include <vector>

#include "app/field_changes.h"
#include "app/host.h"
#include "web/field_raster.h"
#include "web/label_view.h"

namespace web {

// The main form as the page's game area: the field on a canvas whose backing store follows the
// device pixel ratio, and the labels as text elements over it.
class PlayfieldView : public app::FormWindow {
 public:
  static constexpr const char* kAreaId = "vexal-game";
  static constexpr const char* kAboutCaptionId = "vexal-about-caption";

  explicit PlayfieldView(playfield::Form1& form);

  void ShowModel() override;  // draws what changed, at once
  void Present() override;
  void Close() override {}  // a page keeps its game area
  // Draws the whole field again when the device pixel ratio has changed (zoom, another screen).
  void FollowPixelRatio();

 private:
  playfield::Form1& form_;
  FieldRaster raster_;
  std::unique_ptr<app::FieldChanges> changes_;
  std::vector<std::unique_ptr<LabelView>> labels_;
};

}  // namespace web
