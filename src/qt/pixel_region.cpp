#include "qt/pixel_region.h"

#include <algorithm>

namespace qt {

// The columns that the rectangles cover between two rows, left to right, as disjoint spans none
// of which touches the next.
void PixelRegion::CollectSpans(const std::vector<QRect>& rects, int top, int bottom) {
  spans_.clear();
  for (const QRect& rect : rects) {
    if (!rect.isEmpty() && rect.top() <= top && rect.bottom() + 1 >= bottom) {
      spans_.push_back({rect.left(), rect.right() + 1});
    }
  }
  std::sort(spans_.begin(), spans_.end(), [](Span a, Span b) { return a.left < b.left; });
  std::size_t kept = 0;
  for (const Span span : spans_) {
    if (kept > 0 && span.left <= spans_[kept - 1].right) {
      spans_[kept - 1].right = std::max(spans_[kept - 1].right, span.right);
    } else {
      spans_[kept++] = span;
    }
  }
  spans_.resize(kept);
}

// Cut into bands at every top and bottom edge; a band that covers the same columns as the band
// right above it joins that one.
QRegion PixelRegion::Of(const std::vector<QRect>& rects) {
  edges_.clear();
  for (const QRect& rect : rects) {
    if (!rect.isEmpty()) {
      edges_.push_back(rect.top());
      edges_.push_back(rect.bottom() + 1);
    }
  }
  std::sort(edges_.begin(), edges_.end());
  edges_.erase(std::unique(edges_.begin(), edges_.end()), edges_.end());

  banded_.clear();
  above_.clear();
  std::size_t aboveFirst = 0;
  for (std::size_t i = 0; i + 1 < edges_.size(); ++i) {
    const int top = edges_[i];
    const int bottom = edges_[i + 1];
    CollectSpans(rects, top, bottom);
    if (!spans_.empty() && spans_ == above_) {
      for (std::size_t k = aboveFirst; k < banded_.size(); ++k) {
        banded_[k].setBottom(bottom - 1);
      }
    } else {
      aboveFirst = banded_.size();
      for (const Span span : spans_) {
        banded_.emplace_back(QPoint(span.left, top), QPoint(span.right - 1, bottom - 1));
      }
    }
    std::swap(above_, spans_);
  }
  QRegion region;
  region.setRects(banded_.data(), static_cast<int>(banded_.size()));
  return region;
}

}  // namespace qt
