#include "frontend/project/analysis_run.h"

#include <filesystem>
#include <memory>

#include "frontend/project/engine_binding.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/run_checks.h"
#include "frontend/project/run_control_file.h"
#include "frontend/project/run_folder.h"
#include "frontend/project/stage_file_names.h"

namespace murena {
namespace fs = std::filesystem;

std::string inconsistentEngineMessage() {
  return std::string(
             "Computations can not be performed. Executable files are not consistent.\n"
             "You may need to reinstall the program.\n"
             "If problem persist please contact KALDOR support at\n") +
         kSupportAddress;
}

namespace {

// The busy cursor for as long as it lives.
class WaitCursor {
 public:
  explicit WaitCursor(CommandHost& host) : host_(host) { host_.setWaitCursor(true); }
  ~WaitCursor() { host_.setWaitCursor(false); }

 private:
  CommandHost& host_;
};

// Outputs of an earlier run must not pass for this run's results.
void removeOutputs(const std::string& dataFile) {
  std::error_code ignored;
  for (const char* extension : {".mr5o", ".mr5p", ".mr5r"}) fs::remove(withExtension(dataFile, extension), ignored);
}

}  // namespace

RunOutcome TAnalysisRun::run() {
  if (running_) {
    host_.showNotice(NoticeKind::Information, kReinitializeMessage);
    return RunOutcome::AlreadyRunning;
  }
  // A never-saved project whose Save As was cancelled stops here silently.
  if (!commands_.save() || commands_.project().data().FileName == kDefaultFileName) return RunOutcome::NotSaved;
  TProject& project = commands_.project();
  const std::string problem = checkBeforeRun(project.data(), project.tables());
  if (!problem.empty()) {
    host_.showNotice(NoticeKind::Warning, problem);
    return RunOutcome::CheckFailed;
  }
  running_ = true;
  const RunOutcome outcome = runEngine(project.data().FileName);
  running_ = false;
  return outcome;
}

RunOutcome TAnalysisRun::runEngine(const std::string& dataFile) {
  TRunFolder folder;
  try {
    if (!folder.ok()) throw EProjectWriteError("The working folder of the run could not be created: " + folder.problem());
    writeRunControlFile(folder.path(), dataFile);
  } catch (const EProjectWriteError& e) {
    host_.showNotice(NoticeKind::Error, e.what());
    return RunOutcome::NoWorkingFolder;
  }

  std::unique_ptr<EngineBinding> engine = host_.createEngine();
  try {
    engine->load(host_.engineLibraryPath());
  } catch (const EDLLError&) {
    engine.reset();
    host_.showNotice(NoticeKind::Information, kInitializeFailedMessage);
    return RunOutcome::LibraryFailed;
  }

  removeOutputs(dataFile);
  int status = 0;
  {
    TCurrentDirectoryScope inFolder(folder.path());
    if (!inFolder.entered()) {
      engine->unload();
      host_.showNotice(NoticeKind::Error, "The working folder of the run could not be entered: " +
                                              folder.path().string());
      return RunOutcome::NoWorkingFolder;
    }
    WaitCursor busy(host_);
    status = engine->callEntry(kEngineInterfaceNumber);
  }

  RunOutcome outcome = RunOutcome::Completed;
  if (status == 1) {
    host_.showNotice(NoticeKind::Information, inconsistentEngineMessage());
    commands_.setResultsLoaded(false);
    outcome = RunOutcome::Refused;
  } else {
    host_.showNotice(NoticeKind::Information, kRunCompletedMessage);
    const std::string plot = withExtension(dataFile, ".mr5p");
    std::error_code ec;
    commands_.setResultsLoaded(fs::is_regular_file(plot, ec) && host_.loadResults(plot, true));
  }
  host_.projectChanged();
  host_.closeChildWindows();
  engine->unload();
  return outcome;
}

}  // namespace murena
