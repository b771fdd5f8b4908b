// The main window's file commands: new project, Open, settling changes,
// Save As, recent files, the start-up argument and dropped files.
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "frontend/project/command_state.h"
#include "tests/gui_main/main_window_fixture.h"

namespace murena::testing_support {
namespace {

namespace fs = std::filesystem;
using C = Command;

TEST_F(MainWindowTest, NewProjectShowsItsNameAndOnlyTheCommandsItCanUse) {
  MainWindow& w = open();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("MURENA 2015.5.12 - NewWall.mr5d"));
  EXPECT_TRUE(w.stageLabel()->text().isEmpty());
  EXPECT_FALSE(w.menu(MainMenu::Stage)->menuAction()->isVisible());
  for (C c : {C::CompEditInput, C::CompEditOutput, C::ToolViewOutput, C::CompWallGeometry, C::GraphDeflection,
              C::ToolDeflection, C::GraphDMS, C::GraphCombined, C::GraphExport})
    EXPECT_FALSE(enabled(c)) << w.action(c)->text().toStdString();
  for (int n = 1; n <= 5; ++n) EXPECT_FALSE(w.action(stageToolCommand(n))->isVisible());
  EXPECT_TRUE(w.action(C::OptUnitsEnglish)->isChecked());
  EXPECT_EQ(w.action(C::FileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_EQ(w.action(C::ToolRun)->toolTip(), QStringLiteral("Run Analysis"));

  // The unit items are radio items.
  trigger(C::OptUnitsSI);
  EXPECT_EQ(w.project().data().UnitSystem, 2);
  EXPECT_TRUE(w.action(C::OptUnitsSI)->isChecked());
  EXPECT_FALSE(w.action(C::OptUnitsEnglish)->isChecked());
  EXPECT_TRUE(w.project().isModified());

  // New after a change asks first; No discards.
  answers = {ui::Answer::No};
  trigger(C::FileNew);
  EXPECT_EQ(questions, std::vector<std::string>{"Do you want to save any changes?"});
  EXPECT_EQ(w.project().data().UnitSystem, 1);
}

TEST_F(MainWindowTest, SettlingChangesYesNoCancelAndACancelledSaveAs) {
  MainWindow& w = open();
  openWithDialog(example("cantilever_sand_english"));
  const std::string file = fileName();
  w.project().data().Title = "Edited";
  w.project().setModified();

  answers = {ui::Answer::Cancel};
  trigger(C::FileNew);
  EXPECT_EQ(w.project().data().Title, "Edited");

  // Yes saves the opened file and goes on.
  answers = {ui::Answer::Yes};
  trigger(C::FileNew);
  EXPECT_EQ(fileName(), kDefaultFileName);
  EXPECT_NE(readText(file).find("Edited"), std::string::npos);

  // A never-saved project: Yes, then Save As cancelled keeps it.
  w.project().data().Title = "Unsaved";
  w.project().setModified();
  answers = {ui::Answer::Yes};
  files = {""};
  openWithDialog(example("soldier_pile_silt_si"));
  EXPECT_EQ(w.project().data().Title, "Unsaved");
  EXPECT_EQ(fileName(), kDefaultFileName);
  EXPECT_EQ(fileDialogs.back(), "Save NewWall.mr5d As");

  // Closing the window asks too; Cancel keeps it open.
  answers = {ui::Answer::Cancel};
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  answers = {ui::Answer::No};
  EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, SaveAsAddsTheDataFileExtensionAndHeadsTheRecentFiles) {
  MainWindow& w = open();
  files = {(folder.path() / "typed name").string()};
  trigger(C::FileSaveAs);
  EXPECT_EQ(fileName(), (folder.path() / "typed name.mr5d").string());
  EXPECT_TRUE(fs::exists(fileName()));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("MURENA 2015.5.12 - Typed name.mr5d"));
  EXPECT_TRUE(enabled(C::CompEditInput));
  EXPECT_EQ(w.commands().recentFiles().at(0), fileName());
}

TEST_F(MainWindowTest, RecentFilesKeepTheirOrderAndSurviveTheWindow) {
  {
    MainWindow& w = open();
    for (const char* name : {"cantilever_sand_english", "soldier_pile_silt_si", "anchored_user_curves_si"})
      openWithDialog(example(name));
    EXPECT_EQ(messages.back(), "Data file: Anchored_user_curves_si.mr5d, has been read by MURENA 2015");
    w.menu(MainMenu::File)->aboutToShow();
    EXPECT_EQ(w.action(C::FileRecent1)->text(), QStringLiteral("1 anchored_user_curves_si.mr5d"));
    EXPECT_EQ(w.action(C::FileRecent3)->text(), QStringLiteral("3 cantilever_sand_english.mr5d"));
    EXPECT_FALSE(w.action(C::FileRecent4)->isVisible());
    // The third opens again and moves to the top.
    trigger(C::FileRecent3);
    EXPECT_EQ(fs::path(fileName()).filename(), "cantilever_sand_english.mr5d");
    EXPECT_EQ(w.action(C::FileRecent2)->text(), QStringLiteral("2 anchored_user_curves_si.mr5d"));
    window.reset();
  }
  // Written at once under File1..File3 and read by the next window.
  MainWindow& again = open();
  const auto& recent = again.commands().recentFiles().entries();
  ASSERT_EQ(recent.size(), 3u);
  EXPECT_EQ(fs::path(recent[0]).filename(), "cantilever_sand_english.mr5d");
  EXPECT_EQ(fs::path(recent[2]).filename(), "soldier_pile_silt_si.mr5d");
  QSettings settings(QStringLiteral("Kaldor"), QStringLiteral("MURENA"));
  EXPECT_EQ(settings.value(QStringLiteral("2015.5.12/File1")).toString().toStdString(), recent[0]);
}

TEST_F(MainWindowTest, StartupArgumentOpensTheFileWithItsResults) {
  const std::string current = example("cantilever_sand_english", "current.mr5d");
  fs::copy_file(fs::path(MURENA_SOURCE_DIR) / "tests/integration/golden/cantilever_sand_english.mr5p",
                beside(current, ".mr5p"));
  MainWindow& w = open();
  w.openAtStartup(QString::fromStdString(current));
  EXPECT_EQ(fileName(), current);
  EXPECT_TRUE(w.resultsLoaded());
  EXPECT_TRUE(enabled(C::GraphDeflection));
  EXPECT_TRUE(messages.empty()) << "start-up opens without a box";

  // Without any "." the argument names an older-layout file.
  const std::string older = example("cantilever_sand_english", "wall.mr4d");
  w.openAtStartup(QString::fromStdString((folder.path() / "wall").string()));
  EXPECT_EQ(fileName(), older);
}

TEST_F(MainWindowTest, DroppedFileOpensLikeARecentFile) {
  MainWindow& w = open();
  // A web link is no file to open: the window does not take it.
  QMimeData link;
  link.setUrls({QUrl(QStringLiteral("https://example.com/wall.mr5d"))});
  QDragEnterEvent linkEnter(QPoint(100, 100), Qt::CopyAction, &link, Qt::LeftButton, Qt::NoModifier);
  linkEnter.setAccepted(false);
  QApplication::sendEvent(&w, &linkEnter);
  EXPECT_FALSE(linkEnter.isAccepted());

  const std::string file = example("soldier_pile_weak_rock_english");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &drop);
  QTRY_COMPARE(QString::fromStdString(fileName()), QString::fromStdString(file));
  EXPECT_EQ(messages.back(), "Data file: Soldier_pile_weak_rock_english.mr5d, has been read by MURENA 2015");
}

TEST_F(MainWindowTest, HelpContentsAndAbout) {
  open();
  trigger(C::HelpContents);
  if (desktopOpened.isEmpty()) {
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().rfind("The user's guide", 0), 0u);
  } else {
    EXPECT_TRUE(desktopOpened.back().endsWith(QStringLiteral("user-guide.html")) ||
                desktopOpened.back().endsWith(QStringLiteral("user-guide.md")));
  }
  QString aboutText;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    for (QLabel* label : box->findChildren<QLabel*>()) aboutText += label->text() + QLatin1Char('\n');
    box->close();
  });
  trigger(C::HelpAbout);
  EXPECT_TRUE(aboutText.contains(QStringLiteral("Version 2015.5.12")));
}

}  // namespace
}  // namespace murena::testing_support
