// Graph windows on a loaded example: opening each graph, zoom with the
// mouse, the coordinates in the title, the legend list box and the Plot menu.
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "frontend/results/graph_files.h"
#include "frontend/results/ui/active_lines_dialog.h"
#include "frontend/results/ui/graph_caption_dialog.h"
#include "frontend/results/ui/legend_list_box.h"
#include "frontend/results/ui/line_names_dialog.h"
#include "frontend/results/ui/plot_canvas.h"
#include "tests/gui_results/result_window_fixture.h"

namespace murena {
namespace {

using testing_support::ResultWindowTest;

QPoint pixel(const draw::Point& p) { return QPoint(int(p.x), int(p.y)); }

class PlotWindowTest : public ResultWindowTest {
 protected:
  void SetUp() override {
    ResultWindowTest::SetUp();
    open("anchored_sand_clay_trapezoid_si");
  }
};

TEST_F(PlotWindowTest, EveryGraphOpensMaximisedAndOnlyOnce) {
  for (const NamedGraph& g : namedResultGraphs(host->graphs())) {
    ui::TPlotForm* form = show(*g.graph);
    ASSERT_NE(form, nullptr) << g.fileStem;
    EXPECT_EQ(form->windowTitle().toStdString(), g.graph->Caption);
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isMaximized());
    const auto windows = host->subWindowList().size();
    EXPECT_EQ(show(*g.graph), form);
    EXPECT_EQ(host->subWindowList().size(), windows);
  }
  // Closing forgets the window; the next Show opens a new one.
  TGraphPlot& def = host->graphs().pltDef;
  ui::TPlotForm* before = show(def);
  before->parentWidget()->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(host->plotWindows().windowOf(def), nullptr);
  EXPECT_NE(show(def), nullptr);
}

TEST_F(PlotWindowTest, MinimisedWindowIsRestored) {
  ui::TPlotForm* form = show(host->graphs().pltMom);
  auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
  sub->showMinimized();
  settle();
  ASSERT_TRUE(sub->isMinimized());
  show(host->graphs().pltMom);
  EXPECT_FALSE(sub->isMinimized());
  EXPECT_EQ(host->activeSubWindow(), sub);
}

TEST_F(PlotWindowTest, RubberBandZoomsAndRightClickZoomsOut) {
  ui::TPlotForm* form = show(host->graphs().pltDef);
  ui::PlotCanvas* canvas = form->canvas();
  const GraphLayout layout = canvas->screenLayout();
  const PlotView& view = form->view();
  const PanelMapping m = view.mapping(layout, 0);
  const QPoint a = pixel(m.map({0.002, 2})), b = pixel(m.map({0.006, 6}));
  QTest::mousePress(canvas, Qt::LeftButton, {}, a);
  QTest::mouseMove(canvas, (a + b) / 2);
  EXPECT_TRUE(canvas->banding());
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, b);
  EXPECT_FALSE(canvas->banding());
  ASSERT_TRUE(view.zoomed());
  EXPECT_NEAR(view.ranges()[0].x.min, 0.002, 1e-4);
  EXPECT_NEAR(view.ranges()[0].x.max, 0.006, 1e-4);
  EXPECT_NEAR(view.ranges()[0].y.min, 2, 0.05);
  EXPECT_NEAR(view.ranges()[0].y.max, 6, 0.05);

  // The mouse position in data values in the title.
  const PanelMapping zoomed = view.mapping(canvas->screenLayout(), 0);
  QTest::mouseMove(canvas, pixel(zoomed.map({0.004, 4})));
  const QStringList parts = form->windowTitle().split(QLatin1Char(' '));
  ASSERT_EQ(parts.size(), 7) << form->windowTitle().toStdString();
  EXPECT_EQ(parts.mid(0, 4).join(QLatin1Char(' ')), QStringLiteral("Deflection vs Depth X:"));
  EXPECT_NEAR(parts[4].toDouble(), 0.004, 1e-5);
  EXPECT_EQ(parts[5], QStringLiteral("Y:"));
  EXPECT_NEAR(parts[6].toDouble(), 4, 0.01);

  const double width = view.ranges()[0].x.width();
  QTest::mouseClick(canvas, Qt::RightButton, {}, pixel(zoomed.map({0.004, 4})));
  EXPECT_NEAR(view.ranges()[0].x.width(), 2 * width, 1e-9);
  const QPoint centre = pixel({(layout.plot.left + layout.plot.right) / 2, (layout.plot.top + layout.plot.bottom) / 2});
  for (int i = 0; i < 10; ++i) QTest::mouseClick(canvas, Qt::RightButton, {}, centre);
  EXPECT_FALSE(view.zoomed());

  // A release at the anchor's x changes nothing.
  QTest::mousePress(canvas, Qt::LeftButton, {}, a);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(a.x(), b.y()));
  EXPECT_FALSE(view.zoomed());
}

TEST_F(PlotWindowTest, ThreePanelViewDoesNotZoomWithTheLeftButton) {
  ui::TPlotForm* form = show(host->graphs().pltDMS);
  ui::PlotCanvas* canvas = form->canvas();
  const GraphLayout layout = canvas->screenLayout();
  ASSERT_EQ(layout.panels.size(), 3u);
  const QPoint a = pixel({layout.panels[0].left + 20, layout.panels[0].top + 20});
  QTest::mousePress(canvas, Qt::LeftButton, {}, a);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, a + QPoint(60, 80));
  EXPECT_FALSE(form->view().zoomed());
  // The title names the value of the panel under the mouse.
  QTest::mouseMove(canvas, pixel({layout.panels[1].left + 1, layout.panels[1].top + 1}));
  EXPECT_TRUE(form->windowTitle().contains(QStringLiteral(" X: -"))) << form->windowTitle().toStdString();
}

TEST_F(PlotWindowTest, LegendEntriesInColourAndDoubleClickTogglesTheCurve) {
  TGraphPlot& py = host->graphs().pltPY;
  ui::TPlotForm* form = show(py);
  ui::LegendListBox* legend = form->legendList();
  ASSERT_TRUE(legend->isVisible());
  ASSERT_EQ(legend->count(), static_cast<int>(py.Curves.size()));
  EXPECT_EQ(legend->item(1)->text(), QString::fromStdString(py.displayedName(py.Curves[1]) + " *"));
  EXPECT_EQ(legend->item(1)->foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(legend->item(2)->foreground().color(), QColor(255, 0, 0));
  // The legend sits in the plot's lower right corner, inside the window.
  const GraphLayout layout = form->canvas()->screenLayout();
  EXPECT_EQ(legend->geometry().right() + 1, int(layout.plot.right));
  EXPECT_EQ(legend->geometry().bottom() + 1, int(layout.plot.bottom));

  QTest::mouseDClick(legend->viewport(), Qt::LeftButton, {}, legend->visualItemRect(legend->item(1)).center());
  EXPECT_FALSE(py.Curves[1].Visible);
  EXPECT_EQ(legend->item(1)->text(), QString::fromStdString(py.displayedName(py.Curves[1])));
  form->refreshMenu();
  QAction* item = action(form->plotMenu(), QString::fromStdString(py.displayedName(py.Curves[1])));
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->isChecked());
  item->trigger();
  settle();
  EXPECT_TRUE(py.Curves[1].Visible);
  EXPECT_TRUE(legend->item(1)->text().endsWith(QStringLiteral(" *")));
}

TEST_F(PlotWindowTest, LegendIsDraggedAndKeptInsideTheWindow) {
  ui::TPlotForm* form = show(host->graphs().pltDef);
  ui::LegendListBox* legend = form->legendList();
  QWidget* viewport = legend->viewport();
  const QPoint start = legend->visualItemRect(legend->item(0)).center();
  QTest::mousePress(viewport, Qt::LeftButton, {}, start);
  QTest::mouseMove(viewport, start + QPoint(-200, -150));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(-200, -150));
  const QPoint moved = legend->pos();
  EXPECT_LT(moved.x(), form->canvas()->width() - legend->width() - 150);
  QTest::mousePress(viewport, Qt::LeftButton, {}, start);
  QTest::mouseMove(viewport, start + QPoint(-5000, -5000));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(-5000, -5000));
  EXPECT_EQ(legend->pos(), QPoint(0, 0));
  // The user's place survives a resize (pushed inside only).
  host->subWindowList().front()->showNormal();
  settle();
  EXPECT_EQ(legend->pos(), QPoint(0, 0));
}

TEST_F(PlotWindowTest, PlotMenuTogglesTheLegendSoilColumnAndWall) {
  TGraphPlot& dms = host->graphs().pltDMS;
  ui::TPlotForm* form = show(dms);
  form->refreshMenu();
  QMenu* menu = form->plotMenu();
  QAction* legend = action(menu, QStringLiteral("Show &Legend"));
  QAction* soil = action(menu, QStringLiteral("Show &Soil Layer"));
  QAction* wall = action(menu, QStringLiteral("Show &Wall Geometry"));
  ASSERT_TRUE(legend && soil && wall);
  EXPECT_TRUE(legend->isChecked());
  EXPECT_TRUE(soil->isVisible());
  EXPECT_FALSE(soil->isChecked());
  EXPECT_TRUE(wall->isVisible());
  EXPECT_FALSE(wall->isEnabled());
  for (const char* text : {"&Graph Title", "&Edit Legend", "&Active Curves", "&Print...", "P&age Setup",
                           "&Save To Disk...", "&Copy to Clipboard", "Every &3 Incrments", "4 * Default",
                           "10 * Default"})
    EXPECT_NE(action(menu, QString::fromUtf8(text)), nullptr) << text;
  EXPECT_TRUE(action(menu, QStringLiteral("&Print..."))->isEnabled());

  const double right = form->canvas()->screenLayout().plot.right;
  soil->trigger();
  settle();
  EXPECT_TRUE(dms.ShowLayers);
  EXPECT_EQ(form->canvas()->screenLayout().plot.right, right - form->logicalDpiX());
  EXPECT_TRUE(form->canvas()->screenLayout().soilColumn.has_value());
  form->refreshMenu();
  wall = action(form->plotMenu(), QStringLiteral("Show &Wall Geometry"));
  EXPECT_TRUE(wall->isEnabled());
  wall->trigger();
  settle();
  EXPECT_TRUE(dms.ShowWall);

  action(form->plotMenu(), QStringLiteral("Show &Legend"))->trigger();
  settle();
  EXPECT_FALSE(dms.ShowLegend);
  EXPECT_FALSE(form->legendList()->isVisible());

  action(form->plotMenu(), QStringLiteral("Every &5 Increments"))->trigger();
  settle();
  EXPECT_EQ(dms.Markers, 5);
  EXPECT_TRUE(action(form->plotMenu(), QStringLiteral("Every &5 Increments"))->isChecked());
  EXPECT_FALSE(action(form->plotMenu(), QStringLiteral("Every &Increment"))->isChecked());

  action(form->plotMenu(), QStringLiteral("2 * Default"))->trigger();
  settle();
  EXPECT_EQ(dms.SizeFont, 20);
  EXPECT_EQ(form->canvas()->screenLayout().textHeight, 28);
  EXPECT_EQ(form->legendList()->font().pixelSize(), qRound(22 * form->logicalDpiY() / 72.0));
}

TEST_F(PlotWindowTest, SettingsOfTheGraphSurviveClosingTheWindow) {
  TGraphPlot& dms = host->graphs().pltDMS;
  ui::TPlotForm* form = show(dms);
  form->runCommand(PlotCommand::ShowSoilLayer);
  form->runCommand(PlotCommand::LineWidth, 4);
  form->parentWidget()->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  form = show(dms);
  EXPECT_TRUE(form->canvas()->screenLayout().soilColumn.has_value());
  form->refreshMenu();
  QAction* widths = action(form->plotMenu(), QStringLiteral("&Line Width"));
  ASSERT_NE(widths, nullptr);
  EXPECT_TRUE(action(widths->menu(), QStringLiteral("4 * Default"))->isChecked());
}

// A legend hidden before the window closed can be shown again in the next
// window (the item used to exist only when the legend opened shown).
TEST_F(PlotWindowTest, HiddenLegendCanBeShownAgainAfterReopening) {
  TGraphPlot& deflection = host->graphs().pltDef;
  ui::TPlotForm* form = show(deflection);
  form->runCommand(PlotCommand::ShowLegend);
  EXPECT_FALSE(deflection.ShowLegend);
  form->parentWidget()->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  form = show(deflection);
  EXPECT_FALSE(form->legendList()->isVisible());
  form->refreshMenu();
  QAction* legend = action(form->plotMenu(), QStringLiteral("Show &Legend"));
  ASSERT_NE(legend, nullptr);
  EXPECT_FALSE(legend->isChecked());
  legend->trigger();
  settle();
  EXPECT_TRUE(deflection.ShowLegend);
  EXPECT_TRUE(form->legendList()->isVisible());
}

TEST_F(PlotWindowTest, TwentyFiveCurvesOpenWithTwentyAndActivatingAllAddsFive) {
  TGraphPlot& py = host->graphs().pltPY;
  TGraphPlot::SetCurveCount(py.Curves, 25);
  for (size_t i = 0; i < py.Curves.size(); ++i) py.Curves[i].Points = {{0, 0}, {1, double(i)}};
  ui::TPlotForm* form = show(py);
  form->refreshMenu();
  EXPECT_EQ(curveItems(*form).size(), 20);
  EXPECT_EQ(form->legendList()->count(), 20);

  onNextDialog<ui::TfrmActiveLines>([](ui::TfrmActiveLines& d) { d.activateAllButton()->click(); });
  form->runCommand(PlotCommand::ActiveCurves);
  EXPECT_EQ(curveItems(*form).size(), 25);
  EXPECT_EQ(form->legendList()->count(), 25);
  const int height = form->legendList()->height();

  onNextDialog<ui::TfrmActiveLines>([](ui::TfrmActiveLines& d) {
    d.list()->clearSelection();
    d.list()->item(0)->setSelected(true);
    d.toggleSelectedButton()->click();
  });
  form->runCommand(PlotCommand::ActiveCurves);
  ASSERT_EQ(form->legendList()->count(), 24);
  EXPECT_EQ(curveItems(*form).front().toStdString(), py.displayedName(py.Curves[1]));
  EXPECT_LT(form->legendList()->height(), height);
  // Cancel changes nothing.
  onNextDialog<ui::TfrmActiveLines>([](ui::TfrmActiveLines& d) { d.activateAllButton()->click(); }, false);
  form->runCommand(PlotCommand::ActiveCurves);
  EXPECT_EQ(form->legendList()->count(), 24);
}

TEST_F(PlotWindowTest, RenamingThroughTheLegendDialog) {
  TGraphPlot& def = host->graphs().pltDef;
  ui::TPlotForm* form = show(def);
  onNextDialog<ui::TfrmLineNames>([](ui::TfrmLineNames& d) {
    d.edit()->setText(QString());
    d.storeEdit();
    d.edit()->setText(QStringLiteral("Wall & anchor"));
    d.storeEdit();
  });
  form->runCommand(PlotCommand::EditLegend);
  EXPECT_EQ(messages(), QStringList{QStringLiteral("The line must have a name!")});
  EXPECT_EQ(def.Curves[0].Name, "Wall & anchor");
  EXPECT_EQ(form->legendList()->item(0)->text(), QStringLiteral("Wall & anchor *"));
  EXPECT_EQ(curveItems(*form), QStringList{QStringLiteral("Wall && anchor")});
}

TEST_F(PlotWindowTest, GraphTitleMovesThePlotAndTheLegend) {
  TGraphPlot& mom = host->graphs().pltMom;
  ui::TPlotForm* form = show(mom);
  const GraphLayout before = form->canvas()->screenLayout();
  onNextDialog<ui::TfrmGraphCaption>([](ui::TfrmGraphCaption& d) {
    d.titleEdit()->setText(QStringLiteral("Stage 1 moments"));
    d.topButton()->setChecked(true);
  });
  form->runCommand(PlotCommand::GraphTitle);
  EXPECT_EQ(mom.GraphTitle, "Stage 1 moments");
  EXPECT_TRUE(mom.GraphTitleAtTop);
  const GraphLayout after = form->canvas()->screenLayout();
  EXPECT_EQ(after.plot.top, before.plot.top + 14 + 1);
  EXPECT_EQ(form->legendList()->geometry().bottom() + 1, int(after.plot.bottom));
}

}  // namespace
}  // namespace murena
