#include "frontend/project/project_commands.h"

#include <filesystem>

#include "frontend/project/data_file_reader.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/stage_file_names.h"

namespace murena {
namespace fs = std::filesystem;

std::string fileReadMessage(const std::string& path) {
  return "Data file: " + projectDisplayName(path) + ", has been read by MURENA 2015";
}

std::string withDataFileExtension(const std::string& path) {
  fs::path p(path);
  if (p.filename().has_extension() || p.filename().empty()) return path;
  return path + ".mr5d";
}

std::string startupFilePath(const std::string& argument) {
  const fs::path p(argument);
  if (p.filename().string().find('.') != std::string::npos) return argument;
  return argument + ".mr4d";
}

namespace {

std::string absolutePath(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

bool isFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::string currentFolder() {
  std::error_code ec;
  const fs::path p = fs::current_path(ec);
  return ec ? std::string() : p.string();
}

}  // namespace

TProjectCommands::TProjectCommands(TProject& project, CommandHost& host) : project_(project), host_(host) {}

std::vector<std::string> TProjectCommands::recentMenuTexts() const {
  const std::string folder = currentFolder();
  std::vector<std::string> texts;
  for (int i = 0; i < recent_.count(); ++i) texts.push_back(recent_.menuText(i, folder));
  return texts;
}

bool TProjectCommands::resultsLoaded() const {
  const std::string& file = project_.data().FileName;
  return resultsLoaded_ && file != kDefaultFileName && isFile(withExtension(file, ".mr5p"));
}

template <class F>
void TProjectCommands::reportFailures(F&& change) {
  std::string message;
  try {
    message = change();
  } catch (const EProjectWriteError& e) {
    message = e.what();
    host_.showNotice(NoticeKind::Error, message);
    return;
  }
  if (!message.empty()) host_.showNotice(NoticeKind::Information, message);
}

// ------------------------------------------------------------------ files

bool TProjectCommands::settleChanges() {
  if (!host_.commitEdits()) return false;
  if (!project_.isModified()) return true;
  switch (host_.askChoice(kSaveChangesQuestion, true)) {
    case Choice::Cancel: return false;
    case Choice::No: return true;
    case Choice::Yes: break;
  }
  // Continue only when the changes are on disk: a cancelled Save As or a
  // failed write keeps the project.
  return save() && project_.data().FileName != kDefaultFileName;
}

void TProjectCommands::newProject() {
  if (!settleChanges()) return;
  host_.closeChildWindows();
  project_.newProject();
  resultsLoaded_ = false;
  host_.projectChanged();
}

void TProjectCommands::openWithDialog() {
  if (!settleChanges()) return;
  const auto chosen = host_.askOpenFileName(kOpenDialogTitle, currentFolder(), kOpenDialogFilter, openFilterIndex_);
  if (!chosen || chosen->path.empty()) return;
  openFilterIndex_ = chosen->filterIndex;
  openFile(chosen->path, layoutForFilterIndex(chosen->filterIndex), true);
}

void TProjectCommands::openRecent(int n) {
  if (n < 1 || n > recent_.count()) return;
  const std::string path = recent_.at(n - 1);
  if (!settleChanges()) return;
  openFile(path, layoutForExtension(path), true);
}

void TProjectCommands::openDropped(const std::string& path) {
  if (!settleChanges()) return;
  openFile(path, layoutForExtension(path), true);
}

void TProjectCommands::openAtStartup(const std::string& argument) {
  const std::string path = startupFilePath(argument);
  if (isFile(path)) openFile(path, layoutForExtension(path), false);
}

void TProjectCommands::loadResultsOfProject(bool reportErrors) {
  const std::string plot = withExtension(project_.data().FileName, ".mr5p");
  resultsLoaded_ = isFile(plot) && host_.loadResults(plot, reportErrors);
}

bool TProjectCommands::openFile(const std::string& file, int layout, bool announce) {
  const std::string path = absolutePath(file);
  if (!isFile(path)) {
    host_.showNotice(NoticeKind::Information, cannotOpenFileMessage(path));
    return false;
  }
  host_.closeChildWindows();
  std::error_code ignored;
  fs::current_path(fs::path(path).parent_path(), ignored);
  const std::string message = project_.open(path, layout);
  resultsLoaded_ = false;
  host_.projectChanged();
  if (!message.empty()) host_.showNotice(NoticeKind::Information, message);
  loadResultsOfProject(false);
  recent_.add(path);
  host_.recentFilesChanged();
  if (announce) host_.showNotice(NoticeKind::Information, fileReadMessage(path));
  host_.projectChanged();
  return true;
}

bool TProjectCommands::save() {
  if (!host_.commitEdits()) return false;
  if (project_.needsSaveAs()) return saveUnderNewName();
  try {
    project_.save();
  } catch (const EProjectWriteError& e) {
    host_.showNotice(NoticeKind::Error, e.what());
    return false;
  }
  host_.projectChanged();
  return true;
}

bool TProjectCommands::saveAs() {
  if (!host_.commitEdits()) return false;
  return saveUnderNewName();
}

bool TProjectCommands::saveUnderNewName() {
  const std::string current = project_.data().FileName;
  const std::string start = withExtension(absolutePath(current), ".mr5d");
  const auto chosen = host_.askSaveFileName("Save " + projectDisplayName(current) + " As", start, kSaveAsFilter);
  if (!chosen || chosen->empty()) return false;
  const std::string path = absolutePath(withDataFileExtension(*chosen));
  bool written = true;
  try {
    project_.saveAs(path);
  } catch (const EProjectWriteError& e) {
    host_.showNotice(NoticeKind::Error, e.what());
    written = false;
  }
  if (project_.data().FileName == current) {  // nothing was written
    host_.projectChanged();
    return false;
  }
  recent_.add(project_.data().FileName);
  host_.recentFilesChanged();
  host_.closeChildWindows();
  host_.projectChanged();
  return written;
}

// ---------------------------------------------------------------- options

namespace {

struct OptionSwitch {
  Command command;
  bool TProgramData::*flag;
  GridTable& (*table)(TProjectTables&);  // editor closed when switched off; null: none
};

// Reference members cannot be pointed to: name each table through a function.
GridTable& boundCond(TProjectTables& t) { return t.BoundCond; }
GridTable& soilLayer(TProjectTables& t) { return t.SoilLayer; }
GridTable& pyCurves(TProjectTables& t) { return t.PYCurves2; }
GridTable& eiCurves(TProjectTables& t) { return t.MEICurves2; }
GridTable& springs(TProjectTables& t) { return t.SoilStrength; }
GridTable& pyModifiers(TProjectTables& t) { return t.PYMod; }
GridTable& surcharge(TProjectTables& t) { return t.SurchargeTable; }

constexpr OptionSwitch kSwitches[] = {
    {Command::OptGeneratePY, &TProgramData::GeneratePYCurves, nullptr},
    {Command::OptConcentratedLoads, &TProgramData::ApplyConcentratedLoads, boundCond},
    {Command::OptTiebacks, &TProgramData::ApplyTiebacks, nullptr},
    {Command::OptRestraints, &TProgramData::ApplyRestraints, soilLayer},
    {Command::OptPYCurves, &TProgramData::ApplyPYCurves, pyCurves},
    {Command::OptSprings, &TProgramData::ApplySprings, springs},
    {Command::OptPYModifiers, &TProgramData::ApplyPYModifiers, pyModifiers},
    {Command::OptSurcharge, &TProgramData::ApplySurcharge, surcharge},
    {Command::OptEICurves, &TProgramData::ApplyEICurves, eiCurves},
    {Command::OptLongTerm, &TProgramData::LongTermAnalysis, nullptr},
};

}  // namespace

void TProjectCommands::toggleOption(Command option) {
  TProgramData& d = project_.data();
  // Long-term analysis and staged construction exclude each other.
  if (option == Command::OptLongTerm && d.StageCount > 1) return;
  for (const OptionSwitch& s : kSwitches) {
    if (s.command != option) continue;
    // The opposite of what the menu showed.  Open dialogs write back first
    // and then show the new switch: a dialog with its own box for it (the
    // concentrated loads, the springs) would otherwise put the old value back
    // when it loses the focus.
    const bool on = !(d.*s.flag);
    if (!host_.commitEdits()) return;
    d.*s.flag = on;
    project_.setModified();
    if (!on && s.table != nullptr) host_.closeTableEditor(s.table(project_.tables()));
    host_.reloadChildWindows();
    host_.projectChanged();
    return;
  }
}

void TProjectCommands::setUnitSystem(int system) {
  if (system == project_.data().UnitSystem || !host_.commitEdits()) return;
  project_.setUnitSystem(system);
  host_.reloadChildWindows();
  host_.projectChanged();
}

void TProjectCommands::setEarthPressureOption(int option) {
  TProgramData& d = project_.data();
  d.EarthPressureOption = option;
  // The writer derives the control-line code from this flag.
  d.UserEarthPressure = option == 1;
  project_.setModified();
  host_.projectChanged();
}

void TProjectCommands::optionsMenuOpened() {
  TProgramData& d = project_.data();
  d.UserEarthPressure = d.EarthPressureOption == 1;
}

void TProjectCommands::earthPressureMenuOpened() {
  TProgramData& d = project_.data();
  if (d.EarthPressureOption == 0) d.EarthPressureOption = 1;
  d.UserEarthPressure = d.EarthPressureOption == 1;
}

// ----------------------------------------------------------------- stages

void TProjectCommands::switchToStage(int stage) {
  const TProgramData& d = project_.data();
  if (stage == d.CurrentStage || stage < 1 || stage > d.StageCount) return;
  if (!host_.commitEdits()) return;
  host_.closeTableEditors();
  reportFailures([&] { return project_.switchToStage(stage); });
  host_.reloadChildWindows();
  host_.projectChanged();
}

void TProjectCommands::updateCurrentStage() {
  if (project_.data().StageCount < 2 || !host_.commitEdits()) return;
  reportFailures([&] {
    project_.updateCurrentStage();
    return std::string();
  });
  host_.projectChanged();
}

void TProjectCommands::copyPreviousStage() {
  if (!project_.canCopyPreviousStage() || !host_.commitEdits()) return;
  if (host_.askChoice(project_.copyPreviousStageQuestion(), false) != Choice::Yes) return;
  host_.closeTableEditors();
  reportFailures([&] { return project_.copyPreviousStage(); });
  host_.reloadChildWindows();
  host_.projectChanged();
}

void TProjectCommands::setStageCount(int count) {
  if (project_.data().LongTermAnalysis && count > 1) return;
  if (!host_.commitEdits()) return;
  // OK without a new count changes no rows: the open editors stay.
  const bool newCount = count != project_.data().StageCount;
  if (newCount) host_.closeTableEditors();
  reportFailures([&] { return project_.setStageCount(count); });
  if (newCount) host_.reloadChildWindows();
  host_.projectChanged();
}

std::string TProjectCommands::textFileOf(Command command) const {
  const std::string& file = project_.data().FileName;
  switch (command) {
    case Command::CompEditInput: return file;
    case Command::CompEditNotes: return withExtension(file, ".mr5r");
    case Command::CompEditOutput:
    case Command::ToolViewOutput: return withExtension(file, ".mr5o");
    default: return {};
  }
}

}  // namespace murena
