// The model views in the real main window: opened from the Computation menu
// after a run, the 3D view's menu and tool buttons in the main window while
// it exists, and both views following a unit switch.
#include <QMenuBar>
#include <QToolBar>

#include "frontend/project/command_state.h"
#include "frontend/views/model_dimensions.h"
#include "frontend/views/ui/block_view_window.h"
#include "frontend/views/ui/model_views.h"
#include "frontend/views/view_state.h"
#include "tests/gui_main/main_window_fixture.h"

namespace murena::testing_support {
namespace {

using C = Command;

class ViewsInMainWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
      GTEST_SKIP() << "the 3D view needs an X display with OpenGL (run the tests under xvfb-run)";
  }
  static void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  ui::TDlgBlock* view3D() { return qobject_cast<ui::TDlgBlock*>(window->modelViews().view3D()); }
  // Where the top and the tip of the wall are drawn (window pixels).
  std::pair<views::Vec3, views::Vec3> wallEnds() {
    ui::TDlgBlock* view = view3D();
    const views::ModelDimensions dims = views::modelDimensions(window->project().data(), window->project().tables());
    const ui::GlViewState& s = view->viewState();
    const int w = view->glWindow()->width(), h = view->glWindow()->height();
    return {views::toWindow({dims.t / 2, 0, 0}, s.view, s.fit, w, h),
            views::toWindow({dims.t / 2, 0, -dims.L}, s.view, s.fit, w, h)};
  }
};

TEST_F(ViewsInMainWindowTest, OpenedAfterARunWithTheirControlsAndFollowingAUnitSwitch) {
  MainWindow& w = open();
  openWithDialog(example("anchored_soft_over_stiff_clay_english"));
  trigger(C::CompRun);
  ASSERT_TRUE(enabled(C::Comp3DView));
  trigger(C::CompWallGeometry);
  trigger(C::Comp3DView);
  settle();
  ui::TDlgBlock* view = view3D();
  ASSERT_NE(view, nullptr);
  ASSERT_NE(w.modelViews().sideView(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->glWindow()));
  view->glWindow()->grabFramebuffer();

  // "Show 3DView" before the Window menu, the navigation buttons on the tool bar.
  const QList<QAction*> bar = w.menuBar()->actions();
  const int at = bar.indexOf(view->optionMenu()->menuAction());
  ASSERT_GE(at, 0);
  EXPECT_EQ(bar[at + 1], w.menu(MainMenu::Window)->menuAction());
  for (const char* button : {"Panning", "Zoom Window", "Zooming", "Rotating", "Zoom In", "Zoom Out", "Restart View",
                             "Deformed Shape"})
    EXPECT_TRUE(w.toolBar()->actions().contains(view->action(QString::fromLatin1(button)))) << button;
  EXPECT_TRUE(view->action("Deformed Shape")->isEnabled());

  // Turned and zoomed, then switched to SI: the model is rebuilt in metres
  // and drawn where it was.
  view->viewState().view.rotZ = -30;
  view->viewState().view.rotX = 10;
  view->action("Zoom In")->trigger();
  const auto [top, tip] = wallEnds();
  trigger(C::OptUnitsSI);
  settle();
  const views::ModelDimensions metres =
      views::modelDimensions(w.project().data(), w.project().tables());
  const auto walls = view->scene().wall.itemsOf<views::BoxItem>(views::Part::Wall);
  ASSERT_FALSE(walls.empty());
  EXPECT_NEAR(walls[0].min.z, -metres.L, 1e-9);
  EXPECT_NEAR(metres.L, 40 * 0.3048, 1e-9);
  const auto [topSI, tipSI] = wallEnds();
  EXPECT_NEAR(topSI.x, top.x, 1e-6);
  EXPECT_NEAR(topSI.y, top.y, 1e-6);
  EXPECT_NEAR(tipSI.x, tip.x, 1e-6);
  EXPECT_NEAR(tipSI.y, tip.y, 1e-6);

  // New closes both views and takes the menu and the buttons away.
  answers = {ui::Answer::No};
  trigger(C::FileNew);
  QTRY_VERIFY(w.modelViews().view3D() == nullptr);
  QTRY_VERIFY(w.modelViews().sideView() == nullptr);
  for (QAction* a : w.menuBar()->actions()) EXPECT_NE(a->text().remove('&'), "Show 3DView");
  for (QAction* a : w.toolBar()->actions()) EXPECT_NE(a->text(), "Panning");
}

}  // namespace
}  // namespace murena::testing_support
