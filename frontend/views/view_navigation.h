#pragma once
// Mouse navigation of the 3D view: panning, zooming and rotating while the
// left button is held, the zoom window, and zooming about the cursor with
// the wheel.  Positions are window pixels, y growing downwards.
#include "frontend/views/view_state.h"

namespace murena::views {

enum class MouseMode { Pan, Zoom, Rotate };

struct ZoomRect {
  double left = 0, top = 0, right = 0, bottom = 0;
  double width() const { return right - left; }
  double height() const { return bottom - top; }
};

class ViewNavigator {
 public:
  MouseMode mode = MouseMode::Rotate;
  // "Zoom Window" down: every left-button drag is a zoom window.
  bool zoomWindow = false;

  // Left button pressed: the current pan, zoom and rotation are stored.
  void press(const ViewState& view, double x, double y);
  // Mouse moved with the left button held; `shift` keeps only the larger
  // component of the move.  The window size scales the move.
  void move(ViewState& view, double x, double y, bool shift, int width, int height);
  // Left button released: a zoom window with width and height zooms to it.
  void release(ViewState& view, double x, double y, int width, int height);
  bool dragging() const { return dragging_; }
  // The zoom window being dragged (window pixels, normalised).
  bool showsZoomRect() const { return dragging_ && zoomWindow; }
  ZoomRect zoomRect() const;

 private:
  bool dragging_ = false;
  double pressX_ = 0, pressY_ = 0, lastX_ = 0, lastY_ = 0;
  ViewState stored_;
};

// The view panned so that a move of (right, down) window pixels moves the
// model with it.
void panByPixels(ViewState& view, const ViewState& from, double right, double down);
// The zoom multiplied by `factor`, keeping the model point under the window
// position (x, y) in place.
void zoomAbout(ViewState& view, double factor, double x, double y, int width, int height);

}  // namespace murena::views
