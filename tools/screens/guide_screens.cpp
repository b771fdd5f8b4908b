// The pictures of the user's guide: the worked example (a cantilever sheet
// pile in sand, English units) in the real main window with its stored
// results: the main window, Wall Properties, the soil layers with their
// parameters, the deflection and the deflection-moment-shear graphs, the side
// view and the 3D view with the deformed shape.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTextStream>

#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/prompts.h"
#include "frontend/entry/ui/table_editors.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/project_tables.h"
#include "frontend/project/ui/main_window.h"
#include "frontend/views/ui/block_view_window.h"
#include "frontend/views/ui/deformed_shape_dialog.h"
#include "frontend/views/ui/model_views.h"
#include "tools/screens/screen_shooter.h"

namespace murena::screens {

namespace {

void settle() {
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

// The sub-window of the child window a command opened, sized for the page.
QMdiSubWindow* opened(MainWindow& window, Command command, QSize size) {
  window.execute(command);
  settle();
  QMdiSubWindow* sub = window.mdiArea()->activeSubWindow();
  if (sub != nullptr) {
    sub->showNormal();
    sub->resize(size);
    sub->move(0, 0);
    settle();
  }
  return sub;
}

}  // namespace

void shootUserGuide(ScreenShooter& shooter) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir(shooter.dir()).filePath("work/settings"));
  ui::setPromptHandler([](const ui::PromptRequest&) { return ui::PromptReply{ui::Answer::No, std::nullopt}; });
  const QString savedFolder = QDir::currentPath();
  {
    MainWindow window;
    window.resize(1100, 760);
    window.show();
    const QString example = shooter.exampleCopy(QStringLiteral("cantilever_sand_english"));
    window.commands().openFile(example.toStdString(), kLayoutCurrent, false);
    settle();

    // Each window alone, at the size the guide shows it.
    if (QMdiSubWindow* sub = opened(window, Command::DataWallProperties, QSize(640, 330))) {
      shooter.save(sub, QStringLiteral("wall-properties"));
      sub->close();
    }
    if (QMdiSubWindow* layers = opened(window, Command::DataSoilLayers, QSize(500, 190))) {
      GridTable* sand = window.project().tables().NewSoil.subTable(col::kSoilParameters, 0);
      if (sand != nullptr) {
        window.showTableEditor(*sand);
        settle();
        if (QMdiSubWindow* parameters = window.mdiArea()->activeSubWindow()) {
          parameters->move(40, 200);
          settle();
        }
      }
      shooter.save(window.mdiArea(), QStringLiteral("soil-layers"));
      window.mdiArea()->closeAllSubWindows();
      settle();
      (void)layers;
    }
    if (QMdiSubWindow* sub = opened(window, Command::GraphDeflection, QSize(760, 620))) {
      shooter.save(sub, QStringLiteral("graph-deflection"));
      sub->close();
    }
    window.graphs().pltDMS.ShowLayers = true;
    window.graphs().pltDMS.ShowWall = true;
    if (QMdiSubWindow* sub = opened(window, Command::GraphDMS, QSize(1000, 680))) {
      shooter.save(sub, QStringLiteral("graph-dms"));
      sub->close();
    }
    if (QMdiSubWindow* sub = opened(window, Command::CompWallGeometry, QSize(580, 431))) {
      shooter.save(sub, QStringLiteral("side-view"));
      sub->close();
    }
    settle();

    // The main window as the guide opens it: the graphs of the run tiled.
    window.execute(Command::GraphDMS);
    window.execute(Command::GraphPY);
    window.execute(Command::WinTile);
    shooter.save(&window, QStringLiteral("main-window"));
    window.mdiArea()->closeAllSubWindows();
    settle();

    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
      QTextStream(stderr) << "guide: the 3D view's picture is left out on the offscreen platform\n";
    } else {
      window.execute(Command::Comp3DView);
      settle();
      if (auto* view = qobject_cast<ui::TDlgBlock*>(window.modelViews().view3D())) {
        view->parentWidget()->showNormal();
        view->parentWidget()->resize(870, 640);
        view->DeformedShapeWindow();
        settle();
        if (ui::TDlgDeformedShape* dialog = view->deformedShapeDialog()) {
          dialog->showBox()->click();
          dialog->factorEdit()->setText(QStringLiteral("20"));
          emit dialog->factorEdit()->textEdited(QStringLiteral("20"));
          settle();
          dialog->close();
        }
        // Turned to show the wall panels and the soil blocks in depth.
        QWidget* gl = view->glWindow();
        const QPoint middle(gl->width() / 2, gl->height() / 2);
        ScreenShooter::drag(gl, middle, middle - QPoint(gl->width() / 3, 0));
        ScreenShooter::drag(gl, middle, middle + QPoint(0, gl->height() / 6));
        shooter.saveWithOpenGL(view->parentWidget(), view->glWindow(), QStringLiteral("view-3d"));
      }
    }
    window.project().clearModified();
    window.mdiArea()->closeAllSubWindows();
  }
  ui::setPromptHandler({});
  QDir::setCurrent(savedFolder);
}

}  // namespace murena::screens
