#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace qt {

// Makes the region that rectangles cover in one pass, in the banded form that QRegion keeps:
// adding rectangles to a QRegion one at a time merges the whole region again on every addition,
// and a tick repaints a dozen of them. It keeps its buffers from one call to the next.
class PixelRegion {
 public:
  QRegion Of(const std::vector<QRect>& rects);

 private:
  struct Span {
    int left;
    int right;  // one past the last column
    bool operator==(const Span&) const = default;
  };
  void CollectSpans(const std::vector<QRect>& rects, int top, int bottom);

  std::vector<int> edges_;
  std::vector<Span> spans_;
  std::vector<Span> above_;
  std::vector<QRect> banded_;
};

}  // namespace qt
