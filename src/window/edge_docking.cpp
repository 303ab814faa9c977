#include "window/edge_docking.h"

namespace mirevo {
namespace {

// The edge the window touches, tested left, right, top: a window in a corner
// docks at the side, and the bottom edge (where the taskbar usually is) never
// docks. The tests are signed, so a window reaching onto another monitor at
// the left or right of the primary screen counts as touching.
DockEdge TouchedEdge(const Rect& window, int screenWidth) {
  if (window.left < kDockTouchDistance) return DockEdge::kLeft;
  if (screenWidth - window.right < kDockTouchDistance) return DockEdge::kRight;
  if (window.top < kDockTouchDistance) return DockEdge::kTop;
  return DockEdge::kNone;
}

// Where a window docked at edge sits when hidden: only the strip on screen.
Point HiddenPosition(DockEdge edge, const Rect& window, int screenWidth, int strip) {
  switch (edge) {
    case DockEdge::kLeft:
      return {strip - window.Width(), window.top};
    case DockEdge::kRight:
      return {screenWidth - strip, window.top};
    default:
      return {window.left, strip - window.Height()};
  }
}

// Where it sits when shown: fully on screen, against its edge.
Point ShownPosition(DockEdge edge, const Rect& window, int screenWidth) {
  switch (edge) {
    case DockEdge::kLeft:
      return {0, window.top};
    case DockEdge::kRight:
      return {screenWidth - window.Width(), window.top};
    default:
      return {window.left, 0};
  }
}

// An undocked window that touches an edge is docked there and hidden; one
// that does not is plainly undocked.
void DockIfTouching(const EdgeAutoHideInput& in, EdgeAutoHideResult& out) {
  DockEdge edge = TouchedEdge(in.window, in.screenWidth);
  if (edge == DockEdge::kNone) {
    out.state = {};
    return;
  }
  if (in.slide && in.visible) out.slideTowards = edge;
  out.moveTo = HiddenPosition(edge, in.window, in.screenWidth, in.stripPixels);
  out.hidePreview = true;
  out.state = {edge, true};
}

}  // namespace

EdgeAutoHideResult EdgeAutoHide(const EdgeAutoHideInput& in) {
  EdgeAutoHideResult out;
  out.state = in.state;
  if (out.state.edge == DockEdge::kNone) DockIfTouching(in, out);
  if (in.mode == EdgeAutoHideMode::kAfterMove) return out;

  // The cursor is tested against the rectangle the window had when the step
  // began: a window docked just now was under the cursor there.
  if (in.mode == EdgeAutoHideMode::kInitial || in.window.Contains(in.cursor)) {
    if (out.state.hidden) {
      // A window docked by this very step comes straight back; sliding it
      // out of sight first would only make it flicker.
      out.slideTowards = DockEdge::kNone;
      out.moveTo = ShownPosition(out.state.edge, in.window, in.screenWidth);
      out.state.hidden = false;
    }
  } else if (!out.state.hidden) {
    // The cursor has left a shown window: undock it and dock it again if it
    // still touches an edge, which hides it. The window has not moved since
    // the step began, so the same rectangle serves.
    out.state.edge = DockEdge::kNone;
    DockIfTouching(in, out);
  }
  return out;
}

bool TimerRunsEdgeAutoHide(bool autoHide, const DockState& state, bool maximised) {
  return autoHide && state.edge != DockEdge::kNone && !maximised;
}

bool MoveRunsEdgeAutoHide(bool autoHide, bool maximised) {
  return autoHide && !maximised;
}

bool OpenMainWindowRunsEdgeAutoHide(bool autoHide, const DockState& state) {
  return autoHide && state.edge != DockEdge::kNone && state.hidden;
}

}  // namespace mirevo
