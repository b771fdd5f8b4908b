#include "frontend/views/view_state.h"

#include <algorithm>
#include <cmath>

namespace murena::views {

double ViewState::zoom() const { return zoomFactor_ * std::pow(kZoomStep, zoomSteps_); }

void ViewState::setZoom(double zoom) { zoomFactor_ = zoom / std::pow(kZoomStep, zoomSteps_); }

void ViewState::restart() {
  rotX = rotY = rotZ = 0;
  pan = {};
  zoomFactor_ = 1;
  zoomSteps_ = 0;
}

void rescaleView(ViewFit& fit, ViewState& view, double lengthRatio) {
  if (!(lengthRatio > 0) || !std::isfinite(lengthRatio)) return;
  fit.widthExtent *= lengthRatio;
  fit.heightExtent *= lengthRatio;
  fit.lengthExtent *= lengthRatio;
  fit.centring *= lengthRatio;
  view.pan = view.pan * lengthRatio;
  view.baseScale /= lengthRatio;
}

OrthoBox orthoBox(const ViewFit& fit, int width, int height) {
  OrthoBox box;
  const double w = std::max(width, 1), h = std::max(height, 1);
  double half = 0;
  if (w <= h) {
    box.halfWidth = half = w / 2;
    box.halfHeight = half * h / w;
  } else {
    box.halfHeight = half = h / 2;
    box.halfWidth = half * w / h;
  }
  const double ground = std::min(fit.widthExtent, fit.lengthExtent);
  const double ratio = ground > 0 && fit.heightExtent > 0 ? fit.heightExtent / ground : 1;
  box.depth = ratio * half * 640;
  return box;
}

Mat4 viewRotation(const ViewState& v) {
  return Mat4::rotation(-90, {1, 0, 0}) * Mat4::rotation(v.rotX, {1, 0, 0}) * Mat4::rotation(v.rotY, {0, 1, 0}) *
         Mat4::rotation(v.rotZ, {0, 0, 1});
}

Mat4 modelViewMatrix(const ViewState& v, const ViewFit& fit) {
  return viewRotation(v) * Mat4::scaling(v.zoom() * v.baseScale) *
         Mat4::translation(Vec3{0, 0, fit.centring} + v.pan);
}

Mat4 projectionMatrix(const ViewFit& fit, int width, int height) {
  const OrthoBox b = orthoBox(fit, width, height);
  return Mat4::ortho(-b.halfWidth, b.halfWidth, -b.halfHeight, b.halfHeight, -b.depth, b.depth);
}

namespace {
Vec3 ndcToWindow(const Vec3& ndc, int width, int height) {
  return {(ndc.x + 1) / 2 * width, (1 - ndc.y) / 2 * height, (ndc.z + 1) / 2};
}
}  // namespace

Vec3 toWindow(const Vec3& model, const ViewState& view, const ViewFit& fit, int width, int height) {
  const Mat4 m = projectionMatrix(fit, width, height) * modelViewMatrix(view, fit);
  return ndcToWindow(m.transformPoint(model), width, height);
}

std::array<TriadAxis, 3> axesTriad(const ViewState& view, const ViewFit& fit, int width, int height) {
  const Mat4 projection = projectionMatrix(fit, width, height);
  const Vec3 origin = modelViewMatrix(view, fit).transformPoint({});
  const Mat4 turn = viewRotation(view);
  auto axis = [&](const Vec3& direction, const Rgba& color, const char* label) {
    const Vec3 end = origin + turn.transformVector(direction) * kTriadLength;
    return TriadAxis{ndcToWindow(projection.transformPoint(origin), width, height),
                     ndcToWindow(projection.transformPoint(end), width, height), color, label};
  };
  return {axis({1, 0, 0}, kBlue, "X"), axis({0, 1, 0}, kGreen, "Y"), axis({0, 0, -1}, kRed, "D")};
}

}  // namespace murena::views
