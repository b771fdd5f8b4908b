#pragma once
// The 3D view's camera: rotation angles, zoom, pan and base scale, the
// matrices the OpenGL layer loads, and the projection of model points to
// window pixels that the label painter and the tests use.
#include <array>
#include <string>

#include "frontend/views/model_dimensions.h"
#include "frontend/views/vector_math.h"
#include "frontend/views/view_colors.h"

namespace murena::views {

// "Zoom In" multiplies the zoom by this, "Zoom Out" divides by it.
inline constexpr double kZoomStep = 1.4142;

class ViewState {
 public:
  // Rotation angles about x, y and z in degrees.
  double rotX = 0, rotY = 0, rotZ = 0;
  // Pan offsets along x, y and z in model units.
  Vec3 pan;
  // Pixels per model unit at zoom 1 (fitted at the first paint).
  double baseScale = 1;
  bool fitted = false;

  // The zoom is kept as a free factor times whole zoom steps, so that a
  // "Zoom In" undone by "Zoom Out" comes back to exactly the same zoom.
  double zoom() const;
  void setZoom(double zoom);
  void zoomIn() { ++zoomSteps_; }
  void zoomOut() { --zoomSteps_; }
  // "Restart View": rotations and pan 0, zoom 1 (the fit is kept).
  void restart();

 private:
  double zoomFactor_ = 1;
  int zoomSteps_ = 0;
};

// The same picture after the model's lengths were multiplied by
// `lengthRatio` (a switch of the unit system): the fit's extents, the pan
// offsets and one over the base scale follow the lengths.
void rescaleView(ViewFit& fit, ViewState& view, double lengthRatio);

// The orthographic box in pixel units centred on the window (glOrtho).
struct OrthoBox {
  double halfWidth = 0, halfHeight = 0, depth = 0;
};
OrthoBox orthoBox(const ViewFit& fit, int width, int height);

// The model turned so that model z points up on the screen and model y into
// it, then by the rotation angles about x, y and z.
Mat4 viewRotation(const ViewState& view);
// Rotation, zoom x base scale, then the centring and pan offsets.
Mat4 modelViewMatrix(const ViewState& view, const ViewFit& fit);
Mat4 projectionMatrix(const ViewFit& fit, int width, int height);

// A model point in window pixels: x from the left, y from the top; z is the
// window depth (0 near to 1 far).
Vec3 toWindow(const Vec3& model, const ViewState& view, const ViewFit& fit, int width, int height);

// The axes triad: three lines from the model origin, each 80 pixels long
// whatever the zoom, with their labels at the ends (window pixels).
struct TriadAxis {
  Vec3 from, to;  // window pixels (z unused)
  Rgba color;
  std::string label;
};
inline constexpr double kTriadLength = 80;
std::array<TriadAxis, 3> axesTriad(const ViewState& view, const ViewFit& fit, int width, int height);

}  // namespace murena::views
