// Controls that follow the main window's size: each control is anchored to
// the right and/or bottom edge, and nothing moves or shrinks below the layout
// the dialog was designed with.
#pragma once

#include "window/geometry.h"

namespace mirevo {

// Anchor flags, combined with |.
enum AnchorFlags : unsigned {
  kAnchorNone = 0,
  kAnchorMoveWithRight = 1,   // moves horizontally with the right edge
  kAnchorMoveWithBottom = 2,  // moves vertically with the bottom edge
  kAnchorStretchRight = 4,    // its right side follows the right edge
  kAnchorStretchBottom = 8,   // its bottom side follows the bottom edge
};

struct SizeChange {
  int dx = 0;
  int dy = 0;
  friend bool operator==(const SizeChange&, const SizeChange&) = default;
};

// How far the anchored edges move when the client area goes from previous to
// now: sizes below the design size count as the design size.
SizeChange LayoutChange(Size design, Size previous, Size now);

// The control's new rectangle (client coordinates of the parent).
Rect ApplyAnchors(const Rect& control, unsigned flags, SizeChange change);

// Keeps the design size and the size at the previous layout.
class LayoutTracker {
 public:
  // The client size when the controls were registered; also the previous one.
  void Start(Size design);
  // The change to apply for a new client size, which becomes the previous
  // one. Before Start (a dialog is sized before it is initialised) nothing
  // moves and nothing is remembered.
  SizeChange Resize(Size now);

 private:
  bool started_ = false;
  Size design_;
  Size previous_;
};

}  // namespace mirevo
