#pragma once
// Computation, Run Analysis: saves the project (through Save As when it has
// never been saved or was read in an older layout), checks it, writes the
// run-control file into a fresh private working folder, loads the engine
// library, calls its entry with the busy cursor, unloads it, reports the
// outcome and loads the plot data file so that the result commands come
// alive.  The working folder is the current directory only during the call
// and is removed afterwards.
#include <string>

#include "frontend/project/command_host.h"
#include "frontend/project/project_commands.h"

namespace murena {

inline constexpr const char* kReinitializeMessage = "Attempt to reinitialize DLL";
inline constexpr const char* kInitializeFailedMessage = "Attempt to initialize DLL failed";
inline constexpr const char* kRunCompletedMessage =
    "Computations are completed. Please, check output file for results or error messages.";
// Where users are sent when the library refuses the interface number.
inline constexpr const char* kSupportAddress = "support@kaldor.example";
std::string inconsistentEngineMessage();

// How a run ended.
enum class RunOutcome {
  NotSaved,         // the save was cancelled or failed: nothing else happened
  CheckFailed,      // a check before the run failed (its warning was shown)
  AlreadyRunning,   // a run is in progress
  NoWorkingFolder,  // the working folder or the run-control file could not be made
  LibraryFailed,    // the library could not be loaded or has no entry
  Refused,          // the entry refused the interface number
  Completed,        // the engine ran
};

class TAnalysisRun {
 public:
  TAnalysisRun(TProjectCommands& commands, CommandHost& host) : commands_(commands), host_(host) {}
  RunOutcome run();

 private:
  RunOutcome runEngine(const std::string& dataFile);

  TProjectCommands& commands_;
  CommandHost& host_;
  bool running_ = false;
};

}  // namespace murena
