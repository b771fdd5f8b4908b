// Child windows in the main window: the Window menu's list and the 3D view's
// menu and tool buttons.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "frontend/project/command_state.h"
#include "tests/gui_main/main_window_fixture.h"

namespace murena::testing_support {
namespace {

using C = Command;

QStringList texts(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) out << a->text();
  return out;
}

TEST_F(MainWindowTest, WindowMenuListsTheOpenWindowsAndBringsOneToTheFront) {
  MainWindow& w = open();
  QMenu* windows = w.menu(MainMenu::Window);
  emit windows->aboutToShow();
  EXPECT_EQ(texts(windows), (QStringList{"&Cascade", "&Tile", "&Arrange Icons"}));
  for (const char* title : {"Wall Properties", "Soil Layers & Parameters"}) {
    auto* child = new QWidget;
    child->setWindowTitle(QString::fromLatin1(title));
    w.addChildWindow(child);
  }
  emit windows->aboutToShow();
  const QStringList shown = texts(windows);
  ASSERT_EQ(shown.size(), 5);
  EXPECT_EQ(shown[3], QStringLiteral("&1 Wall Properties"));
  EXPECT_EQ(shown[4], QStringLiteral("&2 Soil Layers && Parameters"));
  windows->actions().constLast()->trigger();
  windows->actions()[windows->actions().size() - 2]->trigger();
  EXPECT_EQ(w.mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Wall Properties"));
  trigger(C::WinTile);
  trigger(C::WinCascade);
  trigger(C::WinArrange);

  // New closes every child window.
  trigger(C::FileNew);
  QTRY_VERIFY(w.mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, ThreeDViewControlsComeAndGo) {
  MainWindow& w = open();
  QMenu viewMenu(QStringLiteral("Show 3DView"));
  viewMenu.addAction(QStringLiteral("Wall"));
  QAction panning(QStringLiteral("Panning")), zoomIn(QStringLiteral("Zoom In"));
  const int buttonsBefore = w.toolBar()->actions().size();
  w.setViewControls(&viewMenu, {&panning, &zoomIn});
  const QList<QAction*> bar = w.menuBar()->actions();
  const int at = bar.indexOf(viewMenu.menuAction());
  ASSERT_GE(at, 0);
  EXPECT_EQ(bar[at + 1], w.menu(MainMenu::Window)->menuAction()) << "shown before the Window menu";
  EXPECT_TRUE(w.toolBar()->actions().contains(&zoomIn));
  w.setViewControls(nullptr, {});
  EXPECT_FALSE(w.menuBar()->actions().contains(viewMenu.menuAction()));
  EXPECT_EQ(w.toolBar()->actions().size(), buttonsBefore);
}

}  // namespace
}  // namespace murena::testing_support
