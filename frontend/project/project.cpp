#include "frontend/project/project.h"

#include <stdlib.h>

#include <cctype>
#include <filesystem>
#include <utility>

#include "common/data_file_layout.h"
#include "frontend/project/atomic_file.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/data_file_writer.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/project_units.h"
#include "frontend/project/stage_file_names.h"
#include "frontend/project/staged_file_text.h"
#include "frontend/entry/text_lines.h"
#include "frontend/project/crlf_text.h"

namespace murena {
namespace fs = std::filesystem;

TProject::TProject(TProjectTables& tables) : tables_(tables) { newProject(); }

TProject::~TProject() { leaveWorkingFolder(); }

TProject::TProject(TProject&& other) noexcept
    : tables_(other.tables_),
      data_(std::move(other.data_)),
      modified_(other.modified_),
      workingFolder_(std::exchange(other.workingFolder_, {})),
      workingBase_(std::exchange(other.workingBase_, {})) {}

void TProject::clearModified() {
  modified_ = false;
  tables_.clearModified();
}

void TProject::resetData() {
  data_ = std::make_unique<TProgramData>();
  tables_.resetToDefaults();
  tables_.setUnits(data_->UnitSystem);
}

void TProject::newProject() {
  leaveWorkingFolder();
  resetData();
  clearModified();
}

namespace {

// The data file's full path: the run later changes the current directory.
std::string fullPath(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::absolute(path, ec);
  return ec ? path : p.string();
}

}  // namespace

std::string TProject::open(const std::string& file, int layout) {
  const std::string path = fullPath(file);
  leaveWorkingFolder();
  resetData();
  data_->FileName = path;
  std::string message = readProjectFile(path, *data_, tables_, layout);
  if (data_->StageCount > 1) {
    const int count = data_->StageCount;
    try {
      deleteStageFiles(1, layout::kMaxStages);
      std::string text;
      readWholeFile(path, text);
      const auto stages = splitStagedLines(splitTextLines(text));
      writeStagesSomewhere([&] {
        for (size_t k = 0; k < stages.size(); ++k)
          writeFileAtomically(stagePath(static_cast<int>(k) + 1), joinCrLfLines(stages[k]),
                              WriteProtectedFile::kReplace);
      });
      // Older layouts are converted stage by stage into the current one.
      if (layoutForFilterIndex(layout) != kLayoutCurrent) {
        for (int k = 1; k <= count; ++k) {
          data_->CurrentStage = k;
          const std::string stageMessage = loadStageFile(layout);
          if (message.empty()) message = stageMessage;
          data_->StageCount = count;
          storeCurrentStage();
        }
      }
      data_->CurrentStage = 1;
      const std::string stageMessage = loadCurrentStage();
      if (message.empty()) message = stageMessage;
    } catch (const EProjectWriteError& e) {
      if (message.empty()) message = e.what();
    }
  }
  clearModified();
  return message;
}

void TProject::save() { save(WriteProtectedFile::kRefuse); }

void TProject::save(WriteProtectedFile writeProtected) {
  TProgramData& d = *data_;
  std::string text;
  if (d.StageCount >= 2) {
    storeCurrentStage();
    text = assembleStagedFile(stageBase(), d.StageCount);
  } else {
    text = dataFileText(d, tables_);
  }
  writeFileAtomically(d.FileName, text, writeProtected);
  clearModified();
}

void TProject::saveAs(const std::string& file) { saveAs(file, WriteProtectedFile::kRefuse); }

void TProject::saveAs(const std::string& file, WriteProtectedFile writeProtected) {
  const std::string path = fullPath(file);
  TProgramData& d = *data_;
  if (d.StageCount < 2) {
    writeFileAtomically(path, dataFileText(d, tables_), writeProtected);
    d.FileName = path;
    clearModified();
    return;
  }
  // The current stage is stored first, so that the file saved is what the
  // user sees, as with Save.
  storeCurrentStage();
  writeFileAtomically(path, assembleStagedFile(stageBase(), d.StageCount), writeProtected);
  const std::string oldName = d.FileName;
  d.FileName = path;
  if (!workingFolder_.empty()) {
    // From the working folder the stage files are copied beside the new data
    // file; the working folder is given up once all of them are there.
    for (int k = 1; k <= d.StageCount; ++k)
      writeFileAtomically(stageFileName(path, k), readStageFile(stagePath(k)), WriteProtectedFile::kReplace);
    leaveWorkingFolder();
    d.StageFileName = stagePath(d.CurrentStage);
    clearModified();
    return;
  }
  d.StageFileName = stageFileName(path, d.CurrentStage);
  std::string failure;
  for (int k = 1; k <= d.StageCount; ++k) {
    const std::string from = stageFileName(oldName, k);
    const std::string to = stageFileName(path, k);
    if (from == to) continue;
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) {  // another file system: copy, then remove the old one
      ec.clear();
      if (fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec)) fs::remove(from, ec);
    }
    if (ec && failure.empty()) failure = "Error renaming " + from + " to " + to + ": " + ec.message();
  }
  clearModified();
  if (!failure.empty()) throw EProjectWriteError(failure);
}

bool TProject::needsSaveAs() const {
  std::string ext = fs::path(data_->FileName).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return data_->FileName == kDefaultFileName || ext != ".mr5d" || !workingFolder_.empty();
}

void TProject::setUnitSystem(int system) {
  switchUnitSystem(*data_, tables_, system);
  modified_ = true;
}

std::string projectDisplayName(const std::string& path) {
  std::string name = fs::path(path).filename().string();
  if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

std::string TProject::windowCaption() const {
  return std::string("MURENA ") + layout::kVersionText + " - " + projectDisplayName(data_->FileName);
}

// ------------------------------------------------------- stage file places

std::string TProject::stageBase() const { return workingFolder_.empty() ? data_->FileName : workingBase_; }

std::string TProject::stagePath(int stage) const { return stageFileName(stageBase(), stage); }

template <class WriteStages>
void TProject::writeStagesSomewhere(WriteStages writeStages) {
  try {
    writeStages();
  } catch (const EProjectWriteError&) {
    if (!workingFolder_.empty()) throw;
    deleteStageFiles(1, layout::kMaxStages);  // what was written before the failure
    enterWorkingFolder();
    writeStages();
  }
}

void TProject::enterWorkingFolder() {
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "murena-stages-XXXXXX").string();
  if (ec || ::mkdtemp(pattern.data()) == nullptr)
    throw EProjectWriteError("No working folder for the stage files could be made in the temporary folder.");
  workingFolder_ = pattern;
  workingBase_ = (fs::path(workingFolder_) / fs::path(data_->FileName).filename()).string();
}

void TProject::leaveWorkingFolder() {
  if (workingFolder_.empty()) return;
  std::error_code ec;
  fs::remove_all(workingFolder_, ec);
  workingFolder_.clear();
  workingBase_.clear();
}

// ------------------------------------------------------------------ stages

void TProject::storeCurrentStage() {
  TProgramData& d = *data_;
  d.StageFileName = stagePath(d.CurrentStage);
  // Stage files are the program's own working copies: always replaced.
  writeFileAtomically(d.StageFileName, stageFileText(d, tables_, d.CurrentStage), WriteProtectedFile::kReplace);
}

std::string TProject::loadCurrentStage() { return loadStageFile(kLayoutCurrent); }

// The stage file is read like a data file into a fresh project that keeps
// the file name and the stage state.
std::string TProject::loadStageFile(int layout) {
  TProgramData& d = *data_;
  d.StageFileName = stagePath(d.CurrentStage);
  if (!fs::exists(d.StageFileName)) return {};
  const TProgramData kept = d;
  resetData();
  TProgramData& n = *data_;
  n.FileName = kept.FileName;
  n.StageFileName = kept.StageFileName;
  const std::string message = readProjectFile(kept.StageFileName, n, tables_, layout);
  n.StageCount = kept.StageCount;
  n.CurrentStage = kept.CurrentStage;
  n.LongTermAnalysis = false;
  clearModified();
  return message;
}

void TProject::deleteStageFiles(int from, int to) const {
  for (int k = from; k <= to; ++k) {
    std::error_code ec;
    fs::remove(stagePath(k), ec);
  }
}

std::string TProject::switchToStage(int stage) {
  TProgramData& d = *data_;
  if (stage == d.CurrentStage || stage < 1 || stage > d.StageCount) return {};
  const bool wasModified = isModified();
  storeCurrentStage();
  data_->CurrentStage = stage;
  const std::string message = loadCurrentStage();
  if (wasModified) modified_ = true;
  return message;
}

void TProject::updateCurrentStage() {
  const bool wasModified = isModified();
  storeCurrentStage();
  if (wasModified) modified_ = true;
}

bool TProject::canCopyPreviousStage() const { return data_->StageCount > 1 && data_->CurrentStage > 1; }

std::string TProject::copyPreviousStageQuestion() const {
  const int k = data_->CurrentStage;
  return "Do you want to copy all information from Stage " + std::to_string(k - 1) + " to Stage " +
         std::to_string(k);
}

std::string TProject::copyPreviousStage() {
  if (!canCopyPreviousStage()) return {};
  const int k = data_->CurrentStage;
  data_->CurrentStage = k - 1;
  const std::string message = loadCurrentStage();
  data_->CurrentStage = k;
  storeCurrentStage();
  // The data file no longer matches the stage files.
  modified_ = true;
  return message;
}

std::string TProject::setStageCount(int count) {
  const int n = count < 1 ? 1 : (count > layout::kMaxStages ? int(layout::kMaxStages) : count);
  const int c = data_->StageCount;
  std::string message;
  if (n > 1 && n != c) {
    // Keep unsaved edits of the current stage, and never take stale stage
    // files of an unstaged project for its data.
    if (c > 1)
      storeCurrentStage();
    else
      deleteStageFiles(1, layout::kMaxStages);
  }
  data_->StageCount = n;
  if (n == 1 || c == 1 || n < c) data_->CurrentStage = 1;
  if (n == 1) {
    deleteStageFiles(1, layout::kMaxStages);
    leaveWorkingFolder();
    data_->StageFileName.clear();
    if (c != 1) modified_ = true;
    return message;
  }
  if (n != c) {
    const int s = data_->CurrentStage;
    const auto storeStages = [&] {
      for (int k = 1; k <= n; ++k) {
        data_->CurrentStage = k;
        const std::string stageMessage = loadCurrentStage();
        if (message.empty()) message = stageMessage;
        data_->StageCount = n;
        storeCurrentStage();
      }
    };
    // A project that becomes staged may lie in a folder it cannot write.
    if (c == 1)
      writeStagesSomewhere(storeStages);
    else
      storeStages();
    data_->CurrentStage = s;
    const std::string stageMessage = loadCurrentStage();
    if (message.empty()) message = stageMessage;
    modified_ = true;
  }
  deleteStageFiles(n + 1, layout::kMaxStages);
  return message;
}

std::string TProject::statusBarText() const {
  if (data_->StageCount <= 1) return {};
  return "Construction Stage Number: " + std::to_string(data_->CurrentStage);
}

}  // namespace murena
