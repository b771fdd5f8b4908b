#include "frontend/views/view_navigation.h"

#include <algorithm>
#include <cmath>

namespace murena::views {

namespace {
// A drag far beyond the window does not turn the zoom negative.
constexpr double kSmallestZoomChange = 0.01;
}

void panByPixels(ViewState& view, const ViewState& from, double right, double down) {
  // Window directions into model directions through the current view; a
  // model length of 1 covers zoom x base scale pixels.
  const Vec3 screen{right, -down, 0};
  const Vec3 model = viewRotation(from).transposed().transformVector(screen);
  view.pan = from.pan + model / (from.zoom() * from.baseScale);
}

void zoomAbout(ViewState& view, double factor, double x, double y, int width, int height) {
  if (!(factor > 0)) return;
  const ViewState before = view;
  view.setZoom(before.zoom() * factor);
  // The point under the cursor lies (x - w/2, h/2 - y) pixels from the
  // middle; after zooming it would lie factor times as far: pan it back.
  const double dx = x - width / 2.0, dy = y - height / 2.0;
  ViewState scaled = view;
  panByPixels(view, scaled, -(factor - 1) * dx, -(factor - 1) * dy);
}

void ViewNavigator::press(const ViewState& view, double x, double y) {
  dragging_ = true;
  pressX_ = lastX_ = x;
  pressY_ = lastY_ = y;
  stored_ = view;
}

ZoomRect ViewNavigator::zoomRect() const {
  return {std::min(pressX_, lastX_), std::min(pressY_, lastY_), std::max(pressX_, lastX_),
          std::max(pressY_, lastY_)};
}

void ViewNavigator::move(ViewState& view, double x, double y, bool shift, int width, int height) {
  if (!dragging_) return;
  lastX_ = x;
  lastY_ = y;
  if (zoomWindow) return;
  double dx = x - pressX_, dy = y - pressY_;
  const double w = std::max(width, 1), h = std::max(height, 1);
  switch (mode) {
    case MouseMode::Pan:
      if (shift) (std::abs(dx) >= std::abs(dy) ? dy : dx) = 0;
      panByPixels(view, stored_, dx, dy);
      break;
    case MouseMode::Zoom:
      view.setZoom(stored_.zoom() * std::max(1 - dy / h, kSmallestZoomChange));
      break;
    case MouseMode::Rotate: {
      // A drag across the whole window turns by 90 degrees: down about the
      // window's x axis, right about its y axis.
      double aboutX = 90 * dy / h, aboutY = 90 * dx / w;
      if (shift) (std::abs(aboutX) >= std::abs(aboutY) ? aboutY : aboutX) = 0;
      const Vec3 screenAxis{aboutX, aboutY, 0};
      const double size = length(screenAxis);
      const Vec3 turn = normalized(viewRotation(stored_).transposed().transformVector(screenAxis)) * size;
      view.rotX = stored_.rotX + turn.x;
      view.rotY = stored_.rotY + turn.y;
      view.rotZ = stored_.rotZ + turn.z;
      break;
    }
  }
}

void ViewNavigator::release(ViewState& view, double x, double y, int width, int height) {
  if (!dragging_) return;
  lastX_ = x;
  lastY_ = y;
  dragging_ = false;
  if (!zoomWindow) return;
  const ZoomRect r = zoomRect();
  if (r.width() <= 0 || r.height() <= 0) return;
  const double cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  panByPixels(view, stored_, width / 2.0 - cx, height / 2.0 - cy);
  view.setZoom(stored_.zoom() * std::min(height / r.height(), width / r.width()));
}

}  // namespace murena::views
