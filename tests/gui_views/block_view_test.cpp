// The 3D view on an example after a run, drawn by OpenGL (Xvfb with Mesa's
// software renderer): the option menu and tool buttons in the host, the
// deformed shape, navigation with synthetic mouse drags, and the picture in
// the frame buffer where the projection puts the model.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include "frontend/views/deformed_shape.h"
#include "frontend/views/ui/block_view_window.h"
#include "frontend/views/ui/deformed_shape_dialog.h"
#include "tests/gui_views/view_fixture.h"

namespace murena {
namespace {

using ui::TDlgBlock;

// The wall's face colour (0.75 grey) as the frame buffer holds it.
bool isWallGrey(const QColor& c) {
  return std::abs(c.red() - 191) <= 2 && std::abs(c.green() - 191) <= 2 && std::abs(c.blue() - 191) <= 2;
}

// The colour appears at the pixel or next to it.
bool colourNear(const QImage& image, QPoint at, const QColor& colour) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (image.pixelColor(at + QPoint(dx, dy)).rgb() == colour.rgb()) return true;
  return false;
}

class BlockViewTest : public testing_support::ViewWindowTest {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
      GTEST_SKIP() << "the 3D view needs an X display with OpenGL (run the tests under xvfb-run)";
    ViewWindowTest::SetUp();
  }
  TDlgBlock* open3D(const std::string& name = "anchored_soft_over_stiff_clay_english") {
    open(name);
    host->modelViews().show3DView();
    settle();
    auto* view = qobject_cast<TDlgBlock*>(host->modelViews().view3D());
    if (view != nullptr) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(view->glWindow()));
      settle();
    }
    return view;
  }
  // A left-button drag in steps, as the mouse would make it.
  void drag(QWidget* w, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
      QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, modifiers);
      QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= 8; ++i) send(QEvent::MouseMove, from + (to - from) * i / 8, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    settle();
  }
  // Pixels that are not the white background.
  static double coverage(const QImage& image) {
    long drawn = 0;
    for (int y = 0; y < image.height(); y += 2)
      for (int x = 0; x < image.width(); x += 2) drawn += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return drawn / (image.width() / 2.0 * image.height() / 2.0);
  }
};

TEST_F(BlockViewTest, OpensWithItsMenuAndToolButtonsInTheHost) {
  TDlgBlock* view = open3D();
  ASSERT_NE(view, nullptr) << (messages.empty() ? "" : messages[0].toStdString());
  EXPECT_EQ(view->windowTitle(), "3-D View");
  EXPECT_EQ(frameOf(view)->size(), QSize(870, 640));
  ASSERT_EQ(host->viewMenu(), view->optionMenu());
  EXPECT_EQ(host->viewMenu()->title().remove('&'), "Show 3DView");
  QStringList items;
  for (QAction* a : host->viewMenu()->actions())
    if (!a->isSeparator()) items << a->text().remove('&');
  EXPECT_EQ(items, (QStringList{"Wall", "Soil Layers", "Water Level", "Additional Surcharge", "Concentrated Loads",
                                "Tie Backs", "Boundary Conditions", "Lateral Springs", "Deformed Shape",
                                "Save Picture..."}));
  for (int i = 0; i < 8; ++i) {
    QAction* a = host->viewMenu()->actions()[i];
    EXPECT_TRUE(a->isCheckable() && a->isChecked()) << a->text().toStdString();
  }
  QStringList buttons;
  for (QAction* a : host->viewToolButtons()) {
    buttons << a->text().remove('&');
    EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
  }
  EXPECT_EQ(buttons, (QStringList{"Panning", "Zoom Window", "Zooming", "Rotating", "Zoom In", "Zoom Out",
                                  "Restart View", "Deformed Shape"}));
  EXPECT_TRUE(view->action("Deformed Shape")->isEnabled());
  EXPECT_FALSE(view->action("Deformed Shape")->isChecked());
  // One view at a time.
  host->modelViews().show3DView();
  EXPECT_EQ(host->modelViews().view3D(), view);
  // Closing it takes the menu and the buttons away.
  frameOf(view)->close();
  settle();
  EXPECT_EQ(host->modelViews().view3D(), nullptr);
  EXPECT_EQ(host->viewMenu(), nullptr);
  EXPECT_TRUE(host->viewToolButtons().isEmpty());
}

// A view opened again after the first was closed (after a run, say) is
// fitted to its window, not to the size its control had before it was shown.
TEST_F(BlockViewTest, EveryNewViewIsFittedToItsWindow) {
  open("anchored_soft_over_stiff_clay_english");
  for (int round = 1; round <= 2; ++round) {
    host->modelViews().show3DView();
    settle();
    auto* view = qobject_cast<TDlgBlock*>(host->modelViews().view3D());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->glWindow()));
    ui::TglWindow* gl = view->glWindow();
    gl->grabFramebuffer();
    const ui::GlViewState& s = view->viewState();
    EXPECT_DOUBLE_EQ(s.view.baseScale, views::baseScale(s.fit, gl->width(), gl->height())) << "view " << round;
    EXPECT_GT(s.view.baseScale, 2) << "view " << round;
    frameOf(view)->close();
    settle();
  }
}

TEST_F(BlockViewTest, EveryOptionItemRebuildsTheModel) {
  TDlgBlock* view = open3D();
  ASSERT_NE(view, nullptr);
  EXPECT_GT(view->scene().wall.count(views::Part::Tieback), 0);
  EXPECT_EQ(view->scene().wall.count(views::Part::Surcharge), 0);
  // A surcharge entered while the view is open shows with the next rebuild.
  GridTable& surcharges = host->project().tables().SurchargeTable;
  surcharges.setRowCount(1);
  surcharges.setReal(col::kSurchargeMagnitude, 0, 1000);
  view->action("Additional Surcharge")->trigger();
  EXPECT_EQ(view->scene().wall.count(views::Part::Surcharge), 0);
  view->action("Additional Surcharge")->trigger();
  EXPECT_EQ(view->scene().wall.count(views::Part::Surcharge), 20);
  EXPECT_GT(view->scene().soil.count(views::Part::SoilLayer), 0);
  view->action("Tie Backs")->trigger();
  EXPECT_FALSE(view->options().tiebacks);
  EXPECT_EQ(view->scene().wall.count(views::Part::Tieback), 0);
  view->action("Soil Layers")->trigger();
  EXPECT_EQ(view->scene().soil.count(views::Part::SoilLayer), 0);
  view->action("Soil Layers")->trigger();
  EXPECT_GT(view->scene().soil.count(views::Part::SoilLayer), 0);
  EXPECT_TRUE(view->action("Soil Layers")->isChecked());
}

TEST_F(BlockViewTest, DeformedShapeRotatedIsDrawnWhereTheProjectionSaysIt) {
  TDlgBlock* view = open3D();
  ASSERT_NE(view, nullptr);
  ui::TglWindow* gl = view->glWindow();
  ASSERT_FALSE(gl->contextFailed());
  const QImage first = gl->grabFramebuffer();
  EXPECT_GT(coverage(first), 0.05);
  // The painter writes "X" in blue just beyond the end of the triad's x line.
  {
    const ui::GlViewState& s = view->viewState();
    const auto triad = views::axesTriad(s.view, s.fit, gl->width(), gl->height());
    int blue = 0;
    for (int dy = -6; dy <= 6; ++dy)
      for (int dx = 2; dx <= 14; ++dx) {
        const QColor c = first.pixelColor(int(triad[0].to.x) + dx, int(triad[0].to.y) + dy);
        blue += c.blue() > 150 && c.red() < 120 && c.green() < 120 ? 1 : 0;
      }
    EXPECT_GT(blue, 3);
  }

  // The Deformed Shape dialog turns the deflected wall on.
  view->action("Deformed Shape")->trigger();
  ui::TDlgDeformedShape* dialog = view->deformedShapeDialog();
  ASSERT_NE(dialog, nullptr);
  dialog->showBox()->click();
  dialog->upButton()->click();
  EXPECT_TRUE(view->deformedShape().show);
  EXPECT_EQ(view->deformedShape().factor, 2);
  EXPECT_TRUE(view->action("Deformed Shape")->isChecked());
  {
    // Its menu item shows the same check mark as the display options.
    QMenu* menu = view->optionMenu();
    menu->popup(QPoint(0, 0));
    settle();
    const QImage shown = menu->grab().toImage();
    menu->hide();
    const QRect springs = menu->actionGeometry(view->action("Lateral Springs"));
    const QRect deformed = menu->actionGeometry(view->action("Deformed Shape"));
    // The check mark stands in the column left of the texts.
    const QRect column(0, 0, menu->fontMetrics().height(), springs.height());
    EXPECT_EQ(shown.copy(column.translated(springs.topLeft())), shown.copy(column.translated(deformed.topLeft())));
  }
  const auto bricks = view->scene().wall.itemsOf<views::BrickItem>(views::Part::Wall);
  ASSERT_EQ(int(bricks.size()), 2 * host->project().data().NodeCount * views::kPanelCount);
  dialog->close();

  // Turn the model with the mouse: drag left so that the excavation side
  // faces the viewer, then a little down.
  view->action("Rotating")->trigger();
  const QPoint middle(gl->width() / 2, gl->height() / 2);
  drag(gl, middle, middle - QPoint(gl->width() / 3, 0));
  drag(gl, middle, middle + QPoint(0, gl->height() / 12));
  const ui::GlViewState& s = view->viewState();
  EXPECT_NEAR(s.view.rotZ, -30, 1.5);
  EXPECT_NEAR(s.view.rotX, 7.5, 1.5);

  const QImage image = gl->grabFramebuffer();
  ASSERT_EQ(image.size(), gl->size() * gl->devicePixelRatio());
  EXPECT_GT(coverage(image), 0.05);
  // The excavation face of a brick of the middle panel above the excavation level.
  const views::ModelDimensions dims = views::modelDimensions(host->project().data(), host->project().tables());
  const double free = dims.H;
  int checked = 0;
  for (size_t i = 1; i < bricks.size(); i += 2) {
    const views::BrickItem& b = bricks[i];
    const views::Vec3 face = (b.corners[1] + b.corners[2] + b.corners[5] + b.corners[6]) / 4;
    if (std::abs(face.y) > dims.w || -face.z < free * 0.2 || -face.z > free * 0.8) continue;
    const views::Vec3 at = views::toWindow(face, s.view, s.fit, gl->width(), gl->height());
    bool found = false;
    for (int dy = -1; dy <= 1 && !found; ++dy)
      for (int dx = -1; dx <= 1 && !found; ++dx)
        found = isWallGrey(image.pixelColor(int(at.x) + dx, int(at.y) + dy));
    EXPECT_TRUE(found) << "wall face at " << at.x << ", " << at.y;
    ++checked;
  }
  EXPECT_GT(checked, 5);
  // Far from the wall, on the excavation side above the ground, no wall grey.
  const views::Vec3 empty = views::toWindow({dims.d / 2, 0, dims.H / 4}, s.view, s.fit, gl->width(), gl->height());
  EXPECT_FALSE(isWallGrey(image.pixelColor(int(empty.x), int(empty.y))));
}

TEST_F(BlockViewTest, ZoomButtonsZoomWindowAndWheel) {
  TDlgBlock* view = open3D();
  ASSERT_NE(view, nullptr);
  ui::TglWindow* gl = view->glWindow();
  ui::GlViewState& s = view->viewState();
  const double zoom = s.view.zoom();
  view->action("Zoom In")->trigger();
  EXPECT_DOUBLE_EQ(s.view.zoom(), zoom * 1.4142);
  view->action("Zoom Out")->trigger();
  EXPECT_EQ(s.view.zoom(), zoom);

  // While the zoom window is dragged its rectangle is drawn in magenta.
  view->action("Zoom Window")->trigger();
  EXPECT_TRUE(s.navigator.zoomWindow);
  const QPoint a(300, 200), b(500, 350);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(a), gl->mapToGlobal(QPointF(a)), Qt::LeftButton,
                    Qt::LeftButton, {});
  QApplication::sendEvent(gl, &press);
  QMouseEvent move(QEvent::MouseMove, QPointF(b), gl->mapToGlobal(QPointF(b)), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(gl, &move);
  const QImage image = gl->grabFramebuffer();
  EXPECT_TRUE(colourNear(image, QPoint(400, 200), QColor(255, 0, 255)));
  EXPECT_TRUE(colourNear(image, QPoint(300, 300), QColor(255, 0, 255)));
  EXPECT_FALSE(colourNear(image, QPoint(400, 300), QColor(255, 0, 255)));
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(b), gl->mapToGlobal(QPointF(b)), Qt::LeftButton,
                      Qt::NoButton, {});
  QApplication::sendEvent(gl, &release);
  EXPECT_DOUBLE_EQ(s.view.zoom(), zoom * std::min(gl->height() / 150.0, gl->width() / 200.0));
  view->action("Zoom Window")->trigger();

  view->action("Restart View")->trigger();
  EXPECT_EQ(s.view.zoom(), 1);
  EXPECT_EQ(s.view.pan, views::Vec3{});

  // The wheel zooms about the cursor.
  QWheelEvent wheel(QPointF(200, 200), gl->mapToGlobal(QPointF(200, 200)), QPoint(), QPoint(0, 240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(gl, &wheel);
  EXPECT_DOUBLE_EQ(s.view.zoom(), 1.4142);
  EXPECT_GT(gl->framesPainted(), 0);
}

TEST_F(BlockViewTest, DeformedShapeNeedsResults) {
  example = std::make_unique<testing_support::ExampleProject>("cantilever_sand_english", false);
  ASSERT_EQ(host->openProject(example->dataFile()), "");
  host->show();
  host->modelViews().show3DView();
  settle();
  auto* view = qobject_cast<TDlgBlock*>(host->modelViews().view3D());
  ASSERT_NE(view, nullptr);
  EXPECT_FALSE(view->action("Deformed Shape")->isEnabled());
  view->DeformedShapeWindow();
  EXPECT_EQ(view->deformedShapeDialog(), nullptr);
}

}  // namespace
}  // namespace murena
