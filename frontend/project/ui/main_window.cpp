#include "frontend/project/ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/prompts.h"
#include "frontend/entry/ui/table_editors.h"
#include "frontend/project/engine_binding.h"
#include "frontend/project/text_editor_launch.h"
#include "frontend/project/user_guide.h"
#include "frontend/project/ui/about_box.h"
#include "frontend/project/ui/mdi_child.h"
#include "frontend/project/ui/program_settings.h"
#include "frontend/project/ui/staged_dialog.h"
#include "frontend/results/plot_data_loader.h"
#include "frontend/results/ui/plot_windows.h"
#include "frontend/views/ui/model_views.h"

// Resources of a static library are registered by name from the global namespace.
static void initMainWindowResources() { Q_INIT_RESOURCE(main_window); }

namespace murena {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

ui::MessageKind messageKind(NoticeKind kind) {
  switch (kind) {
    case NoticeKind::Warning: return ui::MessageKind::Warning;
    case NoticeKind::Error: return ui::MessageKind::Error;
    case NoticeKind::Information: break;
  }
  return ui::MessageKind::Information;
}

// Menu texts show '&' as an accelerator mark: a path keeps its own.
QString menuTextOfPath(const std::string& text) { return qt(text).replace(QLatin1Char('&'), QStringLiteral("&&")); }

bool openWithDesktop(const QString& file) { return QDesktopServices::openUrl(QUrl::fromLocalFile(file)); }

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      desktopOpener_(openWithDesktop),
      tableEditors_(std::make_unique<TableEditors>(*this)),
      dataDialogs_(std::make_unique<DataDialogs>(*this)),
      plotWindows_(std::make_unique<PlotWindows>(*this)),
      modelViews_(std::make_unique<ModelViews>(*this)) {
  initMainWindowResources();
  // The program's icon, also on every child window's frame.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/murena.svg")));
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  stageLabel_ = new QLabel(this);
  statusBar()->addWidget(stageLabel_);
  buildCommands();
  readSettings();
  setAcceptDrops(true);
  resize(1100, 760);
  projectChanged();
}

MainWindow::~MainWindow() {
  // Child windows refer to the project and the graphs, which are members:
  // delete them while those still exist, and hear no more of the area.
  qDeleteAll(mdi_->subWindowList());
  mdi_->disconnect(this);
}

// ---------------------------------------------------------------- commands

void MainWindow::buildCommands() {
  for (int m = 0; m < static_cast<int>(kMainMenuTitles.size()); ++m)
    menus_[static_cast<MainMenu>(m)] = menuBar()->addMenu(QString::fromLatin1(kMainMenuTitles[m]));
  windowMenu_ = menus_[MainMenu::Window];
  toolBar_ = addToolBar(QStringLiteral("Tools"));
  toolBar_->setObjectName(QStringLiteral("MainToolBar"));
  toolBar_->setIconSize(QSize(24, 24));

  std::map<int, QActionGroup*> groups;
  for (const CommandEntry& entry : commandTable()) {
    const QString caption = QString::fromLatin1(entry.caption);
    if (entry.kind == CommandKind::Tool) {
      if (entry.separatorBefore) toolGaps_[entry.id] = toolBar_->addSeparator();
      QAction* a = toolBar_->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.icon))),
                                       caption);
      a->setToolTip(caption);
      a->setStatusTip(caption);
      a->setCheckable(entry.checkable);
      actions_[entry.id] = a;
      connect(a, &QAction::triggered, this, [this, id = entry.id] { execute(id); });
      continue;
    }
    QMenu* parent = entry.parent == Command::Count ? menus_[entry.menu] : submenus_.at(entry.parent);
    if (entry.kind == CommandKind::Separator) {
      actions_[entry.id] = parent->addSeparator();
      continue;
    }
    if (entry.kind == CommandKind::Submenu) {
      QMenu* sub = parent->addMenu(caption);
      submenus_[entry.id] = sub;
      actions_[entry.id] = sub->menuAction();
      continue;
    }
    QAction* a = parent->addAction(caption);
    if (*entry.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
    a->setCheckable(entry.checkable);
    if (entry.radioGroup != 0) {
      QActionGroup*& group = groups[entry.radioGroup];
      if (group == nullptr) {
        group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      }
      group->addAction(a);
    }
    actions_[entry.id] = a;
    connect(a, &QAction::triggered, this, [this, id = entry.id] { execute(id); });
  }

  // Menus are brought up to date as they open.
  for (auto& [id, m] : menus_) connect(m, &QMenu::aboutToShow, this, [this] { refreshCommands(); });
  connect(menus_[MainMenu::Options], &QMenu::aboutToShow, this, [this] {
    commands_.optionsMenuOpened();
    refreshCommands();
  });
  connect(submenus_.at(Command::OptPressureMenu), &QMenu::aboutToShow, this, [this] {
    commands_.earthPressureMenuOpened();
    refreshCommands();
  });
  connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::buildWindowMenu);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { refreshCommands(); });
}

QAction* MainWindow::action(Command command) const {
  const auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(MainMenu which) const {
  const auto it = menus_.find(which);
  return it == menus_.end() ? nullptr : it->second;
}

QMenu* MainWindow::submenu(Command command) const {
  const auto it = submenus_.find(command);
  return it == submenus_.end() ? nullptr : it->second;
}

GraphAvailability MainWindow::graphAvailability() const {
  GraphAvailability g;
  g.py = hasDrawableCurve(graphs_.pltPY);
  g.deflection = hasDrawableCurve(graphs_.pltDef);
  g.moment = hasDrawableCurve(graphs_.pltMom);
  g.shear = hasDrawableCurve(graphs_.pltShear);
  g.reaction = hasDrawableCurve(graphs_.pltSoil);
  g.pressure = hasDrawableCurve(graphs_.pltLD);
  return g;
}

void MainWindow::refreshCommands() {
  const CommandContext context =
      commandContext(project_.data(), commands_.resultsFlag(), graphAvailability(), commands_.recentMenuTexts());
  const std::vector<CommandState> states = commandStates(context);
  for (const CommandEntry& entry : commandTable()) {
    QAction* a = action(entry.id);
    if (a == nullptr) continue;
    const CommandState& s = stateOf(states, entry.id);
    a->setEnabled(s.enabled);
    a->setVisible(s.visible);
    if (a->isCheckable()) a->setChecked(s.checked);
    if (entry.id >= Command::FileRecent1 && entry.id <= Command::FileRecent10) a->setText(menuTextOfPath(s.caption));
    // A gap in the tool bar shows with the button after it.
    if (const auto gap = toolGaps_.find(entry.id); gap != toolGaps_.end()) gap->second->setVisible(s.visible);
  }
  for (auto& [which, m] : menus_) m->menuAction()->setVisible(mainMenuVisible(which, context));
}

void MainWindow::execute(Command c) {
  using C = Command;
  TProjectTables& t = tables_;
  switch (c) {
    case C::FileNew: case C::ToolNew: commands_.newProject(); break;
    case C::FileOpen: case C::ToolOpen: commands_.openWithDialog(); break;
    case C::FileSave: case C::ToolSave: commands_.save(); break;
    case C::FileSaveAs: commands_.saveAs(); break;
    case C::FileExit: close(); break;
    case C::DataTitle: case C::ToolTitle: dataDialogs_->show(DataDialog::Title); break;
    case C::DataWallProperties: case C::ToolWallProperties: dataDialogs_->show(DataDialog::WallProperties); break;
    case C::DataWallConfiguration: case C::ToolWallConfiguration:
      dataDialogs_->show(DataDialog::WallConfiguration);
      break;
    case C::DataSoilLayers: case C::DataSoilShortTerm: case C::ToolSoilLayers: tableEditors_->show(t.NewSoil); break;
    case C::DataSoilLongTerm: tableEditors_->show(t.LongSoil); break;
    case C::DataDistributed: case C::DataDistShortTerm: tableEditors_->show(t.DistLoad); break;
    case C::DataDistLongTerm: tableEditors_->show(t.LongDist); break;
    case C::DataSurcharge: dataDialogs_->show(DataDialog::Surcharge); break;
    case C::DataConcentratedLoads: dataDialogs_->show(DataDialog::ConcentratedLoads); break;
    case C::DataTieback: dataDialogs_->show(DataDialog::Tieback); break;
    case C::DataRestraints: tableEditors_->show(t.SoilLayer); break;
    case C::DataPYModifiers: tableEditors_->show(t.PYMod); break;
    case C::DataPYCurves: tableEditors_->show(t.PYCurves2); break;
    case C::DataSprings: dataDialogs_->show(DataDialog::Springs); break;
    case C::DataEICurves: tableEditors_->show(t.MEICurves2); break;
    case C::OptUnitsEnglish: commands_.setUnitSystem(1); break;
    case C::OptUnitsSI: commands_.setUnitSystem(2); break;
    case C::OptUnitsOther: commands_.setUnitSystem(3); break;
    case C::OptPressureUser: commands_.setEarthPressureOption(1); break;
    case C::OptPressureTriangular: commands_.setEarthPressureOption(2); break;
    case C::OptPressureTrapezoidal: commands_.setEarthPressureOption(3); break;
    case C::OptGeneratePY: case C::OptConcentratedLoads: case C::OptTiebacks: case C::OptRestraints:
    case C::OptPYCurves: case C::OptSprings: case C::OptPYModifiers: case C::OptSurcharge: case C::OptEICurves:
    case C::OptLongTerm:
      commands_.toggleOption(c);
      break;
    case C::OptStaged: case C::ToolStaged: showStagedDialog(); break;
    case C::OptTextEditor: dataDialogs_->show(DataDialog::ControlOptions); break;
    case C::StageUpdate: commands_.updateCurrentStage(); break;
    case C::StageCopyPrevious: commands_.copyPreviousStage(); break;
    case C::CompRun: case C::ToolRun: run_.run(); break;
    case C::CompEditInput: case C::CompEditNotes: case C::CompEditOutput: case C::ToolViewOutput:
      openInTextEditor(qt(commands_.textFileOf(c)));
      break;
    case C::CompWallGeometry: case C::ToolSideView: modelViews_->showSideView(); break;
    case C::Comp3DView: case C::Tool3DView: modelViews_->show3DView(); break;
    case C::GraphPY: case C::ToolPY: plotWindows_->show(graphs_.pltPY); break;
    case C::GraphDeflection: case C::ToolDeflection: plotWindows_->show(graphs_.pltDef); break;
    case C::GraphMoment: case C::ToolMoment: plotWindows_->show(graphs_.pltMom); break;
    case C::GraphShear: case C::ToolShear: plotWindows_->show(graphs_.pltShear); break;
    case C::GraphReaction: case C::ToolReaction: plotWindows_->show(graphs_.pltSoil); break;
    case C::GraphDMS: case C::ToolDMS: plotWindows_->show(graphs_.pltDMS); break;
    case C::GraphPressure: case C::ToolPressure: plotWindows_->show(graphs_.pltLD); break;
    case C::GraphCombined: plotWindows_->show(graphs_.PltCombine); break;
    case C::GraphExport: plotWindows_->showExportDialog(); break;
    case C::WinCascade: mdi_->cascadeSubWindows(); break;
    case C::WinTile: mdi_->tileSubWindows(); break;
    case C::WinArrange: {
      // Minimised windows in a row along the bottom of the area.
      int x = 0;
      for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, mdi_->viewport()->height() - w->height());
        x += w->width();
      }
      break;
    }
    case C::HelpContents: showHelpContents(); break;
    case C::HelpAbout: TAboutBox(this).exec(); break;
    default:
      if (c >= C::FileRecent1 && c <= C::FileRecent10) {
        commands_.openRecent(static_cast<int>(c) - static_cast<int>(C::FileRecent1) + 1);
      } else if (c >= C::Stage1 && c <= C::Stage5) {
        commands_.switchToStage(static_cast<int>(c) - static_cast<int>(C::Stage1) + 1);
      } else if (c >= C::ToolStage1 && c <= C::ToolStage5) {
        commands_.switchToStage(static_cast<int>(c) - static_cast<int>(C::ToolStage1) + 1);
      }
      break;
  }
  refreshCommands();
}

void MainWindow::buildWindowMenu() {
  for (QAction* a : windowListActions_) {
    windowMenu_->removeAction(a);
    delete a;
  }
  windowListActions_.clear();
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
  if (windows.isEmpty()) return;
  windowListActions_ << windowMenu_->addSeparator();
  constexpr int kListedWindows = 50;
  for (int i = 0; i < windows.size() && i < kListedWindows; ++i) {
    QMdiSubWindow* w = windows[i];
    QString title = w->windowTitle();
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* a = windowMenu_->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title)
                                              : QStringLiteral("%1 %2").arg(i + 1).arg(title));
    a->setCheckable(true);
    a->setChecked(w == mdi_->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(w)] {
      if (!window) return;
      if (window->isMinimized()) window->showNormal();
      mdi_->setActiveSubWindow(window);
    });
    windowListActions_ << a;
  }
}

void MainWindow::showStagedDialog() {
  if (project_.data().LongTermAnalysis) return;
  TDlgStaged dialog(project_.data().StageCount, this);
  if (dialog.exec() != QDialog::Accepted) return;
  commands_.setStageCount(dialog.stageCount());
}

QStringList MainWindow::userGuideFolders() const {
  const QString program = QCoreApplication::applicationDirPath();
  // Beside the program in a build tree; the installed package keeps the
  // program in <prefix>/lib/murena2015 and the documents in
  // <prefix>/share/doc/murena2015.
  QStringList folders = {program + QStringLiteral("/docs"), program,
                         QDir::cleanPath(program + QStringLiteral("/../../share/doc/murena2015"))};
#ifdef MURENA_SOURCE_DIR
  folders << QStringLiteral(MURENA_SOURCE_DIR "/docs");
#endif
  return folders;
}

void MainWindow::showHelpContents() {
  std::vector<std::string> folders;
  for (const QString& f : userGuideFolders()) folders.push_back(f.toStdString());
  const std::string guide = findUserGuide(folders);
  if (guide.empty()) {
    ui::showInformation(this, qt(userGuideMissingMessage(folders)));
    return;
  }
  if (!desktopOpener_(qt(guide)))
    ui::showInformation(this, QStringLiteral("No viewer could be started for %1").arg(qt(guide)));
}

// -------------------------------------------------------------- the host

QMdiSubWindow* MainWindow::addChildWindow(QWidget* child) { return addMdiChild(*mdi_, child); }

void MainWindow::showTableEditor(GridTable& table) { tableEditors_->show(table); }
void MainWindow::closeTableEditor(GridTable& table) { tableEditors_->close(table); }

void MainWindow::openInTextEditor(const QString& file) {
  const EditorLaunch launch = editorLaunch(editorPath_.toStdString(), file.toStdString());
  bool started = false;
  if (launch.desktopDefault) {
    started = desktopOpener_(file);
  } else {
    QStringList arguments;
    for (const std::string& a : launch.arguments) arguments << qt(a);
    // Started directly, without a shell: the file name is one argument.
    started = QProcess::startDetached(qt(launch.program), arguments);
  }
  if (!started) ui::showInformation(this, QString::fromLatin1(kEditorFailedMessage));
}

void MainWindow::setViewControls(QMenu* viewMenu, const QList<QAction*>& toolButtons) {
  if (viewMenu_) menuBar()->removeAction(viewMenu_->menuAction());
  for (QAction* a : viewButtons_) toolBar_->removeAction(a);
  if (viewButtonsGap_ != nullptr) {
    toolBar_->removeAction(viewButtonsGap_);
    delete viewButtonsGap_;
    viewButtonsGap_ = nullptr;
  }
  viewMenu_ = viewMenu;
  viewButtons_ = toolButtons;
  if (viewMenu != nullptr) menuBar()->insertMenu(windowMenu_->menuAction(), viewMenu);
  if (!toolButtons.isEmpty()) {
    viewButtonsGap_ = toolBar_->addSeparator();
    toolBar_->addActions(toolButtons);
  }
}

// ----------------------------------------------------------- CommandHost

void MainWindow::showNotice(NoticeKind kind, const std::string& text) {
  ui::showMessage(this, messageKind(kind), qt(text));
}

Choice MainWindow::askChoice(const std::string& question, bool withCancel) {
  switch (ui::askQuestion(this, qt(question), withCancel)) {
    case ui::Answer::Yes: return Choice::Yes;
    case ui::Answer::Cancel: return Choice::Cancel;
    default: return Choice::No;
  }
}

std::optional<ChosenFile> MainWindow::askOpenFileName(const std::string& title, const std::string& startPath,
                                                      const std::string& filter, int filterIndex) {
  const auto chosen = ui::askOpenFile(this, qt(title), qt(startPath), qt(filter), filterIndex);
  if (!chosen) return std::nullopt;
  return ChosenFile{chosen->path.toStdString(), chosen->filterIndex};
}

std::optional<std::string> MainWindow::askSaveFileName(const std::string& title, const std::string& startPath,
                                                       const std::string& filter) {
  const auto chosen = ui::askSaveFile(this, qt(title), qt(startPath), qt(filter), QStringLiteral("mr5d"));
  if (!chosen) return std::nullopt;
  return chosen->path.toStdString();
}

void MainWindow::setWaitCursor(bool on) {
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

// Typed entries of open dialogs and table editors reach the project before
// it is saved, run, switched or replaced.
bool MainWindow::commitEdits() { return dataDialogs_->commitAll() && tableEditors_->commitAll(); }

void MainWindow::closeChildWindows() {
  dataDialogs_->closeAll();
  tableEditors_->closeAll();
  plotWindows_->closeAll();
  modelViews_->closeAll();
  mdi_->closeAllSubWindows();
}

void MainWindow::closeTableEditors() { tableEditors_->closeAll(); }

void MainWindow::reloadChildWindows() {
  dataDialogs_->reactivateAll();
  tableEditors_->refreshAll();
  modelViews_->projectReloaded();
}

bool MainWindow::loadResults(const std::string& plotFile, bool reportErrors) {
  const PlotLoadResult result = LoadPlotData(plotFile, graphs_, project_.data(), tables_.NewSoil);
  if (!result.ok && reportErrors) ui::showInformation(this, QString::fromLatin1(kPlotLoadFailedMessage));
  resultsReloaded_ = true;
  return result.ok;
}

void MainWindow::projectChanged() {
  setWindowTitle(qt(project_.windowCaption()));
  stageLabel_->setText(qt(project_.statusBarText()));
  const bool shown = commands_.resultsLoaded();
  if (shown != resultsShown_ || resultsReloaded_) {
    resultsShown_ = shown;
    resultsReloaded_ = false;
    modelViews_->resultsChanged();
  }
  refreshCommands();
}

void MainWindow::recentFilesChanged() { writeRecentFiles(); }

std::unique_ptr<EngineBinding> MainWindow::createEngine() { return std::make_unique<TLibraryEngine>(); }

// ------------------------------------------------------------- settings

void MainWindow::readSettings() {
  const ProgramSettings s = readProgramSettings();
  editorPath_ = s.editorPath;
  engineLibrary_ = s.engineLibrary.isEmpty()
                       ? QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kEngineLibraryName))
                       : s.engineLibrary;
  std::vector<std::string> recent;
  for (const QString& f : s.recentFiles) recent.push_back(f.toStdString());
  commands_.recentFiles().assign(recent);
}

void MainWindow::writeRecentFiles() const {
  QStringList files;
  for (const std::string& f : commands_.recentFiles().entries()) files << qt(f);
  murena::writeRecentFiles(files);
}

void MainWindow::writeSettings() const {
  writeEditorPath(editorPath_);
  writeRecentFiles();
}

// ----------------------------------------------------------------- events

void MainWindow::openAtStartup(const QString& argument) {
  if (argument.isEmpty()) return;
  commands_.openAtStartup(argument.toStdString());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!commands_.settleChanges()) {
    event->ignore();
    return;
  }
  writeSettings();
  closeChildWindows();
  event->accept();
}

namespace {

// The first local file of a drop; empty when it brings none (web links).
QString droppedFile(const QMimeData& mime) {
  for (const QUrl& url : mime.urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString file = droppedFile(*event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  // Opened after the drop has finished: the questions and boxes of opening
  // must not run inside the drag.
  QTimer::singleShot(0, this, [this, file] {
    commands_.openDropped(file.toStdString());
    refreshCommands();
  });
}

void MainWindow::changeEvent(QEvent* event) {
  // Files beside the data file may have changed while the window was away.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshCommands();
  QMainWindow::changeEvent(event);
}

}  // namespace murena
