#include "window/layout_anchors.h"

#include <algorithm>

namespace mirevo {

SizeChange LayoutChange(Size design, Size previous, Size now) {
  return {std::max(now.width, design.width) - std::max(previous.width, design.width),
          std::max(now.height, design.height) - std::max(previous.height, design.height)};
}

Rect ApplyAnchors(const Rect& control, unsigned flags, SizeChange change) {
  Rect r = control;
  if (flags & kAnchorStretchBottom) r.bottom += change.dy;
  if (flags & kAnchorStretchRight) r.right += change.dx;
  if (flags & kAnchorMoveWithBottom) {
    r.top += change.dy;
    r.bottom += change.dy;
  }
  if (flags & kAnchorMoveWithRight) {
    r.left += change.dx;
    r.right += change.dx;
  }
  return r;
}

void LayoutTracker::Start(Size design) {
  started_ = true;
  design_ = design;
  previous_ = design;
}

SizeChange LayoutTracker::Resize(Size now) {
  if (!started_) return {};
  SizeChange change = LayoutChange(design_, previous_, now);
  previous_ = now;
  return change;
}

}  // namespace mirevo
