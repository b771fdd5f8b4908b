// The 3D view's fit, projection and mouse navigation, and the steps of the
// deformed shape factor.
#include <gtest/gtest.h>

#include <cmath>

#include "frontend/views/deformed_shape.h"
#include "frontend/views/view_navigation.h"
#include "tests/frontend_views/view_test_project.h"

namespace murena::views {
namespace {

constexpr int kW = 870, kH = 640;

class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() {
    dims.L = dims.D = 40;
    dims.w = 1;
    dims.d = 12.5;
    dims.b = 5;
    fit = fitView(dims);
    view.baseScale = baseScale(fit, kW, kH);
  }
  Vec3 at(const Vec3& p) const { return toWindow(p, view, fit, kW, kH); }

  ModelDimensions dims;
  ViewFit fit;
  ViewState view;
  ViewNavigator nav;
};

TEST_F(NavigationTest, FitLeavesAboutTwentyFivePixelsAndCentresTheDepthRange) {
  EXPECT_DOUBLE_EQ(fit.widthExtent, 25);
  EXPECT_DOUBLE_EQ(fit.heightExtent, 80);
  EXPECT_DOUBLE_EQ(view.baseScale, std::min((kW - 50) / 25.0, (kH - 50) / 80.0));
  // The wall from z = 0 to -40 is centred vertically, x = 0 in the middle.
  const Vec3 top = at({0, 0, 0}), tip = at({0, 0, -40});
  EXPECT_NEAR(top.x, kW / 2.0, 1e-9);
  EXPECT_NEAR((top.y + tip.y) / 2, kH / 2.0, 1e-9);
  EXPECT_NEAR(tip.y - top.y, 40 * view.baseScale, 1e-9);
  // Model x to the right, model y into the screen (farther away).
  EXPECT_GT(at({1, 0, 0}).x, top.x);
  EXPECT_GT(at({0, 1, 0}).z, top.z);
  // Without extents the scale stays 1.
  EXPECT_EQ(baseScale(ViewFit{}, kW, kH), 1);
}

TEST_F(NavigationTest, OrthographicBoxIsInPixelsWithADeepDepthRange) {
  const OrthoBox wide = orthoBox(fit, kW, kH);
  EXPECT_DOUBLE_EQ(wide.halfWidth, kW / 2.0);
  EXPECT_DOUBLE_EQ(wide.halfHeight, kH / 2.0);
  EXPECT_DOUBLE_EQ(wide.depth, 80.0 / 10 * (kH / 2.0) * 640);
  const OrthoBox tall = orthoBox(fit, 300, 500);
  EXPECT_DOUBLE_EQ(tall.halfWidth, 150);
  EXPECT_DOUBLE_EQ(tall.halfHeight, 250);
  EXPECT_DOUBLE_EQ(tall.depth, 8 * 150 * 640);
}

TEST_F(NavigationTest, ZoomInThenOutReturnsExactly) {
  for (double start : {1.0, 0.3, 7.77, 123.456}) {
    view.setZoom(start);
    const double before = view.zoom();
    view.zoomIn();
    EXPECT_DOUBLE_EQ(view.zoom(), before * 1.4142);
    view.zoomOut();
    EXPECT_EQ(view.zoom(), before);
    view.zoomOut();
    view.zoomOut();
    view.zoomIn();
    view.zoomIn();
    EXPECT_EQ(view.zoom(), before);
  }
}

TEST_F(NavigationTest, RestartResetsRotationPanAndZoomButKeepsTheFit) {
  view.rotX = 10;
  view.rotZ = 30;
  view.pan = {1, 2, 3};
  view.zoomIn();
  const double scale = view.baseScale;
  view.restart();
  EXPECT_EQ(view.rotX, 0);
  EXPECT_EQ(view.rotZ, 0);
  EXPECT_EQ(view.pan, Vec3{});
  EXPECT_EQ(view.zoom(), 1);
  EXPECT_EQ(view.baseScale, scale);
}

// A unit switch multiplies every model length by the same ratio: turned,
// zoomed and panned, the picture stays where it was.
TEST_F(NavigationTest, RescaledViewShowsTheConvertedModelInTheSamePlace) {
  view.rotX = 25;
  view.rotZ = -40;
  view.zoomIn();
  view.pan = {2, -1, 3};
  for (double ratio : {0.3048, 1 / 0.3048, 12.0}) {
    ViewFit f = fit;
    ViewState v = view;
    rescaleView(f, v, ratio);
    for (const Vec3& p : {Vec3{0, 0, 0}, Vec3{-25, 10, -40}, Vec3{3, -2, -10}}) {
      const Vec3 before = at(p), after = toWindow(p * ratio, v, f, kW, kH);
      EXPECT_NEAR(after.x, before.x, 1e-9) << ratio;
      EXPECT_NEAR(after.y, before.y, 1e-9) << ratio;
      EXPECT_NEAR(after.z, before.z, 1e-9) << ratio;
    }
    // Unusable ratios leave the view as it is.
    for (double bad : {0.0, -1.0, std::nan("")}) {
      ViewState same = v;
      rescaleView(f, same, bad);
      EXPECT_EQ(same.baseScale, v.baseScale);
    }
  }
}

// The model follows the mouse when panning, in any view.
TEST_F(NavigationTest, PanningMovesTheModelWithTheMouse) {
  view.rotX = 20;
  view.rotZ = -35;
  view.zoomIn();
  const Vec3 point{3, -2, -10};
  const Vec3 before = at(point);
  nav.mode = MouseMode::Pan;
  nav.press(view, 100, 100);
  nav.move(view, 160, 70, false, kW, kH);
  const Vec3 after = at(point);
  EXPECT_NEAR(after.x - before.x, 60, 1e-6);
  EXPECT_NEAR(after.y - before.y, -30, 1e-6);
  // With Shift only the larger component counts.
  nav.move(view, 160, 90, true, kW, kH);
  EXPECT_NEAR(at(point).x - before.x, 60, 1e-6);
  EXPECT_NEAR(at(point).y - before.y, 0, 1e-6);
  nav.release(view, 160, 90, kW, kH);
  EXPECT_FALSE(nav.dragging());
  // Moving without the button held changes nothing.
  const Vec3 pan = view.pan;
  nav.move(view, 300, 300, false, kW, kH);
  EXPECT_EQ(view.pan, pan);
}

TEST_F(NavigationTest, DraggingUpZoomsIn) {
  nav.mode = MouseMode::Zoom;
  nav.press(view, 400, 400);
  nav.move(view, 400, 400 - kH / 4.0, false, kW, kH);
  EXPECT_DOUBLE_EQ(view.zoom(), 1.25);
  nav.move(view, 400, 400 + kH / 2.0, false, kW, kH);
  EXPECT_DOUBLE_EQ(view.zoom(), 0.5);
  // Far beyond the window the zoom stays positive.
  nav.move(view, 400, 400 + 10 * kH, false, kW, kH);
  EXPECT_GT(view.zoom(), 0);
}

TEST_F(NavigationTest, RotatingAcrossTheWindowTurnsNinetyDegrees) {
  nav.mode = MouseMode::Rotate;
  nav.press(view, 0, 0);
  // A horizontal drag over the whole width turns about the vertical (model z).
  nav.move(view, kW, 0, false, kW, kH);
  EXPECT_NEAR(view.rotZ, 90, 1e-9);
  EXPECT_NEAR(view.rotX, 0, 1e-9);
  // Dragging right brings the model's front (its -y side) to the right.
  nav.move(view, kW / 9.0, 0, false, kW, kH);
  EXPECT_GT(at({0, -5, -20}).x, kW / 2.0);
  // A vertical drag over the whole height about the window's x axis.
  nav.move(view, 0, kH, false, kW, kH);
  EXPECT_NEAR(view.rotX, 90, 1e-9);
  EXPECT_NEAR(view.rotZ, 0, 1e-9);
  // Both: their combined size; with Shift only the larger.
  nav.move(view, kW / 3.0, kH / 4.0, false, kW, kH);
  EXPECT_NEAR(std::hypot(view.rotX, view.rotY, view.rotZ), std::hypot(30.0, 22.5), 1e-9);
  nav.move(view, kW / 3.0, kH / 4.0, true, kW, kH);
  EXPECT_NEAR(view.rotZ, 30, 1e-9);
  EXPECT_NEAR(view.rotX, 0, 1e-9);
}

TEST_F(NavigationTest, ZoomWindowBringsItsCentreToTheMiddleAndFillsTheWindow) {
  nav.zoomWindow = true;
  const Vec3 point{-6, 0, -8};
  const Vec3 before = at(point);
  nav.press(view, before.x - 40, before.y - 20);
  nav.move(view, before.x + 40, before.y + 20, false, kW, kH);
  EXPECT_TRUE(nav.showsZoomRect());
  EXPECT_DOUBLE_EQ(nav.zoomRect().width(), 80);
  EXPECT_EQ(view.zoom(), 1);  // nothing changes while dragging
  nav.release(view, before.x + 40, before.y + 20, kW, kH);
  EXPECT_FALSE(nav.showsZoomRect());
  EXPECT_DOUBLE_EQ(view.zoom(), std::min(kH / 40.0, kW / 80.0));
  const Vec3 after = at(point);
  EXPECT_NEAR(after.x, kW / 2.0, 1e-6);
  EXPECT_NEAR(after.y, kH / 2.0, 1e-6);
  // A click without a rectangle changes nothing.
  const double zoom = view.zoom();
  nav.press(view, 10, 10);
  nav.release(view, 10, 10, kW, kH);
  EXPECT_EQ(view.zoom(), zoom);
}

TEST_F(NavigationTest, WheelZoomKeepsThePointUnderTheCursor) {
  view.rotX = 15;
  view.rotZ = 40;
  const Vec3 point{5, 3, -12};
  const Vec3 before = at(point);
  zoomAbout(view, 1.5, before.x, before.y, kW, kH);
  EXPECT_DOUBLE_EQ(view.zoom(), 1.5);
  const Vec3 after = at(point);
  EXPECT_NEAR(after.x, before.x, 1e-6);
  EXPECT_NEAR(after.y, before.y, 1e-6);
}

TEST_F(NavigationTest, AxesTriadIsEightyPixelsWhateverTheZoom) {
  view.setZoom(3.7);
  view.rotZ = 30;
  const auto triad = axesTriad(view, fit, kW, kH);
  EXPECT_EQ(triad[0].label, "X");
  EXPECT_EQ(triad[1].label, "Y");
  EXPECT_EQ(triad[2].label, "D");
  EXPECT_EQ(triad[0].color, kBlue);
  EXPECT_EQ(triad[1].color, kGreen);
  EXPECT_EQ(triad[2].color, kRed);
  // "D" points down the screen in this view, 80 pixels long.
  EXPECT_NEAR(triad[2].to.y - triad[2].from.y, 80, 1e-9);
  EXPECT_NEAR(triad[2].to.x, triad[2].from.x, 1e-9);
  const Vec3 origin = at({0, 0, 0});
  EXPECT_NEAR(triad[0].from.x, origin.x, 1e-9);
}

TEST(DeformedShapeFactor, ArrowsStepTheLeadingDigit) {
  struct Case {
    double factor, up, down;
  };
  const Case cases[] = {
      {5, 6, 4}, {100, 200, 90}, {0.5, 0.6, 0.4}, {1, 2, 0.9},  {9, 10, 8},
      {10, 20, 9}, {0.1, 0.2, 0.09}, {0.05, 0.06, 0.04}, {250, 300, 100}, {0.9, 1, 0.8},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(stepFactorUp(c.factor), c.up) << c.factor;
    EXPECT_DOUBLE_EQ(stepFactorDown(c.factor), c.down) << c.factor;
  }
  for (double bad : {0.0, -3.0, std::nan(""), HUGE_VAL}) {
    EXPECT_EQ(stepFactorUp(bad), 1);
    EXPECT_EQ(stepFactorDown(bad), 1);
  }
}

}  // namespace
}  // namespace murena::views
