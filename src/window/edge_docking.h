// Edge auto-hide of the main window: a window pushed against the left, right
// or top edge of the primary screen slides away, leaving a strip to find it
// by, and comes back when the cursor rests on that strip.
#pragma once

#include <optional>

#include "window/geometry.h"

namespace mirevo {

// A window this close to an edge (0..4 pixels, or beyond it) touches it.
inline constexpr int kDockTouchDistance = 5;
// What stays on screen of a hidden window, before scaling for the DPI.
inline constexpr int kDockStripPixels = 8;

// The edge a window is docked at; the values are the ones the window keeps.
enum class DockEdge { kNone = 0, kLeft = 1, kRight = 2, kTop = 3 };

struct DockState {
  DockEdge edge = DockEdge::kNone;
  bool hidden = false;  // pushed off screen except for the strip
  friend bool operator==(const DockState&, const DockState&) = default;
};

enum class EdgeAutoHideMode {
  kInitial = 0,    // start-up, the tray's "open" and turning the feature off
  kTimer = 1,      // the docking timer's tick, which notices the cursor
  kAfterMove = 2,  // the user has moved the window
};

struct EdgeAutoHideInput {
  DockState state;
  Rect window;          // the window's screen rectangle now
  int screenWidth = 0;  // the primary screen's width
  Point cursor;         // the cursor in screen coordinates
  bool visible = false;
  bool slide = false;  // slides the window out of sight
  EdgeAutoHideMode mode = EdgeAutoHideMode::kInitial;
  int stripPixels = kDockStripPixels;
};

// What the window has to do, in this order:
//  1. slideTowards not kNone: slide the window out of sight towards that
//     edge; it is to be shown again after step 2;
//  2. moveTo: move the window's top-left corner there, size unchanged;
//  3. hidePreview: hide the preview popup if there is one;
//  4. keep state as the new docking state.
struct EdgeAutoHideResult {
  DockEdge slideTowards = DockEdge::kNone;
  std::optional<Point> moveTo;
  bool hidePreview = false;
  DockState state;
  friend bool operator==(const EdgeAutoHideResult&, const EdgeAutoHideResult&) = default;
};

// One step of the edge auto-hide.
EdgeAutoHideResult EdgeAutoHide(const EdgeAutoHideInput& input);

// Whether the docking timer's tick runs EdgeAutoHide (kTimer).
bool TimerRunsEdgeAutoHide(bool autoHide, const DockState& state, bool maximised);
// Whether a move of the window by the user runs EdgeAutoHide (kAfterMove).
bool MoveRunsEdgeAutoHide(bool autoHide, bool maximised);
// Whether the tray's "打开主窗口" first runs EdgeAutoHide (kInitial) to pull
// the window out from its edge before showing it.
bool OpenMainWindowRunsEdgeAutoHide(bool autoHide, const DockState& state);

}  // namespace mirevo
