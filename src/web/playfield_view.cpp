#include "web/playfield_view.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <string>
#include <utility>

#include "forms/twips.h"
#include "web/page.h"

namespace web {

PlayfieldView::PlayfieldView(playfield::Form1& form) : form_(form) {
  vexal_title(form.Caption.c_str());
  // In reading order, as a screen reader reads the page: each counter after its caption.
  std::vector<forms::Label*> labels = form.Labels();
  std::stable_sort(labels.begin(), labels.end(), [](const forms::Label* a, const forms::Label* b) {
    return std::pair(a->Top, a->Left) < std::pair(b->Top, b->Left);
  });
  int index = 0;
  for (forms::Label* label : labels) {
    const std::string id =
        label == &form.Label4 ? kAboutCaptionId : "vexal-label-" + std::to_string(index++);
    labels_.push_back(std::make_unique<LabelView>(*label, kAreaId, id));
  }
  FollowPixelRatio();
}

void PlayfieldView::FollowPixelRatio() {
  const int width = forms::TwipsToPixels(form_.ClientWidth);
  const int height = forms::TwipsToPixels(form_.ClientHeight);
  const double ratio = vexal_field_fit(width, height);
  if (changes_ != nullptr && ratio == raster_.Ratio()) {
    return;
  }
  raster_.Resize(ratio, width, height);
  vexal_field_resize(raster_.Width(), raster_.Height());
  changes_ = std::make_unique<app::FieldChanges>();
  changes_->Since(form_);  // from now on it names what changed since this whole drawing
  raster_.Draw(form_, {0, 0, raster_.Width(), raster_.Height()});
  vexal_field_put(raster_.Bytes(), raster_.Width(), raster_.Height(), 0, 0, raster_.Width(),
                  raster_.Height());
}

void PlayfieldView::ShowModel() {
  for (const auto& label : labels_) {
    label->ShowModel();
  }
  // One copy onto the canvas a tick, of the rectangle around all that changed: each copy costs
  // the browser more than the pixels it copies.
  DeviceRect changed{raster_.Width(), raster_.Height(), 0, 0};
  for (const forms::Control& area : changes_->Since(form_)) {
    const DeviceRect place = raster_.ToDevice(area);
    if (!place.Empty()) {
      raster_.Draw(form_, place);
      changed = {std::min(changed.left, place.left), std::min(changed.top, place.top),
                 std::max(changed.right, place.right), std::max(changed.bottom, place.bottom)};
    }
  }
  if (!changed.Empty()) {
    vexal_field_put(raster_.Bytes(), raster_.Width(), raster_.Height(), changed.left, changed.top,
                    changed.right, changed.bottom);
  }
}

void PlayfieldView::Present() {
  vexal_bring_to_front(kAreaId);
}

}  // namespace web
