#pragma once
// The open project: its scalar data (TProgramData, replaced on New and Open)
// and the grid tables of the main window (which outlive projects), with the
// commands of the project layer: new, open, save, save as, unit switching and
// the stage files of staged construction.
//
// Stage files (Wall.st1 .. Wall.st5 beside Wall.mr5d) are the working copies
// of a staged project: the current stage is edited in the project, stored to
// its stage file on switching, updating and saving, and the data file is
// assembled from the stage files.  When they cannot be written beside the
// data file (a staged project opened from a read-only folder), they live in
// a private working folder under the system's temporary folder until Save As
// puts the project somewhere writable; the folder is removed with the project.
#include <memory>
#include <string>

#include "frontend/project/atomic_file.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"

namespace murena {

// The name of a data file as captions and messages show it: without its
// folder, first letter upper-cased.
std::string projectDisplayName(const std::string& path);

class TProject {
 public:
  // Starts with a new project.
  explicit TProject(TProjectTables& tables);
  // Removes the private working folder of the stage files, if any.
  ~TProject();
  // The working folder goes with the moved project.
  TProject(TProject&& other) noexcept;
  TProject(const TProject&) = delete;
  TProject& operator=(const TProject&) = delete;

  TProgramData& data() { return *data_; }
  const TProgramData& data() const { return *data_; }
  TProjectTables& tables() { return tables_; }

  // Set by any edit of a dialog field or table; cleared by save, new and open.
  bool isModified() const { return modified_ || tables_.isModified(); }
  void setModified() { modified_ = true; }
  void clearModified();

  // A new project with the defaults; every table refilled with default rows.
  void newProject();
  // A project created from a data file in the given layout (filter index of
  // the open dialog, or layoutForExtension).  Returns the reader's message
  // when reading stopped early (the project keeps what was read and stays
  // open under the file's name), else an empty text.  A staged file is split
  // into its stage files, which are converted to the current layout.
  std::string open(const std::string& path, int layout);
  // Saves under FileName (a staged project: current stage stored, data file
  // assembled from the stage files).  The old file is replaced only when the
  // new one is completely written; failures throw EProjectWriteError.
  void save();
  // Saves under a new name; a staged project's stage files move with it.
  void saveAs(const std::string& path);
  // Save and Save As refuse to replace a write-protected data file
  // (EProjectWriteError with writeProtectedMessage).  The window asks first
  // when isWriteProtected(path) holds and, on Yes, passes kReplace.
  void save(WriteProtectedFile writeProtected);
  void saveAs(const std::string& path, WriteProtectedFile writeProtected);

  // Save must go through Save As: the default name, a file of an older
  // layout, or a staged project whose stage files are in the working folder.
  bool needsSaveAs() const;
  // The private working folder of the stage files; empty while they lie
  // beside the data file.
  const std::string& stageWorkingFolder() const { return workingFolder_; }

  // Switches the unit system, converting values (English <-> SI only).
  void setUnitSystem(int system);

  // "MURENA 2015.5.12 - " and the file name without its folder.
  std::string windowCaption() const;

  // ---- staged construction
  // Writes the current stage's stage file from the project.
  void storeCurrentStage();
  // Reads the current stage's stage file into the project when it exists;
  // returns the reader's message or an empty text.
  std::string loadCurrentStage();
  // Stores the current stage and loads stage n; nothing when n is current.
  std::string switchToStage(int stage);
  // Stores the current stage, keeping the modified flag.
  void updateCurrentStage();
  // Copy Previous Stage: enabled on stages above 1; the question to confirm.
  bool canCopyPreviousStage() const;
  std::string copyPreviousStageQuestion() const;
  // Loads stage k-1 and stores it as stage k (after the user said Yes).
  std::string copyPreviousStage();
  // OK of the staged-construction dialog with the new stage count: creates
  // and deletes stage files; new stages start as copies of the highest
  // existing stage below them.
  std::string setStageCount(int count);
  // "Construction Stage Number: " and the current stage while staged.
  std::string statusBarText() const;

 private:
  void resetData();
  std::string loadStageFile(int layout);
  void deleteStageFiles(int from, int to) const;
  // The path whose ".st1" .. ".st5" are the stage files: the data file, or
  // its name in the working folder.
  std::string stageBase() const;
  std::string stagePath(int stage) const;
  // Runs `writeStages` beside the data file; when that fails, again in a
  // new working folder.
  template <class WriteStages>
  void writeStagesSomewhere(WriteStages writeStages);
  void enterWorkingFolder();
  void leaveWorkingFolder();

  TProjectTables& tables_;
  std::unique_ptr<TProgramData> data_;
  bool modified_ = false;
  std::string workingFolder_;
  std::string workingBase_;
};

}  // namespace murena
