// Pictures of the main window: an example after a real run with its menus,
// a staged project on its second stage, the staged-construction dialog and
// the About box.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>
#include <QToolBar>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/ui/about_box.h"
#include "frontend/project/ui/main_window.h"
#include "frontend/project/ui/staged_dialog.h"
#include "tools/screens/screen_shooter.h"

namespace murena::screens {

namespace {

// Opens a menu of the window, renders it and closes it again.
void shootMenu(ScreenShooter& shooter, MainWindow& window, QMenu* menu, const QString& name) {
  menu->popup(window.mapToGlobal(QPoint(40, 40)));
  shooter.save(menu, name);
  menu->hide();
}

// Every tool button's icon, large and at tool-bar size, with its hint.
void shootIcons(ScreenShooter& shooter, MainWindow& window) {
  QWidget sheet;
  sheet.setStyleSheet(QStringLiteral("background: white"));
  auto* grid = new QGridLayout(&sheet);
  int i = 0;
  for (QAction* a : window.toolBar()->actions()) {
    if (a == nullptr || a->isSeparator()) continue;
    auto* large = new QLabel(&sheet);
    large->setPixmap(a->icon().pixmap(48, 48));
    auto* small = new QLabel(&sheet);
    small->setPixmap(a->icon().pixmap(24, 24));
    auto* hint = new QLabel(a->toolTip(), &sheet);
    const int row = i % 9, column = (i / 9) * 3;
    grid->addWidget(large, row, column);
    grid->addWidget(small, row, column + 1);
    grid->addWidget(hint, row, column + 2);
    ++i;
  }
  auto* appIcon = new QLabel(&sheet);
  appIcon->setPixmap(window.windowIcon().pixmap(48, 48));
  grid->addWidget(appIcon, i % 9, (i / 9) * 3);
  grid->addWidget(new QLabel(QStringLiteral("Program"), &sheet), i % 9, (i / 9) * 3 + 2);
  sheet.show();
  shooter.save(&sheet, QStringLiteral("main-window-icons"));
}

}  // namespace

void shootMainWindow(ScreenShooter& shooter) {
  // Settings of the pictures' own, never the user's.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir(shooter.dir()).filePath("work/settings"));
  // Boxes are answered with OK, questions with No.
  ui::setPromptHandler([](const ui::PromptRequest&) { return ui::PromptReply{ui::Answer::No, std::nullopt}; });
  const QString savedFolder = QDir::currentPath();
  {
    MainWindow window;
    window.setEngineLibrary(QStringLiteral(MURENA_SOURCE_DIR "/build/bin/Murena2015_DLL.so"));
    if (!QFileInfo::exists(window.engineLibrary()))
      window.setEngineLibrary(QCoreApplication::applicationDirPath() + QStringLiteral("/Murena2015_DLL.so"));
    window.show();
    for (const char* other : {"cantilever_sand_english", "soldier_pile_silt_si"})
      window.commands().openFile(shooter.exampleCopy(QString::fromLatin1(other)).toStdString(), kLayoutCurrent, false);
    const QString example = shooter.exampleCopy(QStringLiteral("anchored_sand_clay_trapezoid_si"));
    window.commands().openFile(example.toStdString(), kLayoutCurrent, false);
    window.execute(Command::CompRun);
    // The results in their windows beside the soil layers, side by side.
    window.execute(Command::GraphDMS);
    window.execute(Command::GraphPressure);
    window.execute(Command::DataSoilLayers);
    window.execute(Command::WinTile);
    shooter.save(&window, QStringLiteral("main-window-after-run"));
    shootMenu(shooter, window, window.menu(MainMenu::File), QStringLiteral("main-menu-file"));
    shootMenu(shooter, window, window.menu(MainMenu::Data), QStringLiteral("main-menu-data"));
    shootMenu(shooter, window, window.menu(MainMenu::Options), QStringLiteral("main-menu-options"));
    shootMenu(shooter, window, window.menu(MainMenu::Computation), QStringLiteral("main-menu-computation"));
    shootMenu(shooter, window, window.menu(MainMenu::Graphics), QStringLiteral("main-menu-graphics"));

    // Long-term analysis: the Data menu's submenus.
    window.execute(Command::OptLongTerm);
    shootMenu(shooter, window, window.menu(MainMenu::Data), QStringLiteral("main-menu-data-long-term"));
    window.execute(Command::OptLongTerm);

    // Three stages, the second one shown.
    window.commands().setStageCount(3);
    window.commands().switchToStage(2);
    shooter.save(&window, QStringLiteral("main-window-staged"));
    shootIcons(shooter, window);
    shootMenu(shooter, window, window.menu(MainMenu::Stage), QStringLiteral("main-menu-stage"));

    TDlgStaged staged(window.project().data().StageCount, &window);
    staged.show();
    shooter.save(&staged, QStringLiteral("staged-construction-dialog"));
    staged.close();
    window.commands().setStageCount(1);

    TAboutBox about(&window);
    about.show();
    shooter.save(&about, QStringLiteral("about-box"));
    about.close();
    window.project().clearModified();
  }
  ui::setPromptHandler({});
  QDir::setCurrent(savedFolder);
}

}  // namespace murena::screens
