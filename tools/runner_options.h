#pragma once
// The command line of murena-run.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace murena::runner {

// Exit status of murena-run.
enum ExitStatus : int {
  kExitOk = 0,          // every run reached the end of the analysis with usable results
  kExitRunFailed = 1,   // a run failed: input error, stop, unusable results, missing file, no engine
  kExitUsage = 2,       // the command line was wrong
  kExitNotClosed = 3,   // with --strict: no run failed, but one did not close or exceeded the deflection
};

struct RunnerOptions {
  std::optional<std::filesystem::path> workdir;
  bool json = false;
  bool strict = false;
  bool verbose = false;
  bool help = false;
  bool version = false;
  // Result graphs of each run: pictures into graphsDir (graphFormat png, svg
  // or pdf) and the workbook of the graphs (one data file only).
  std::string graphsDir;
  std::string graphFormat = "png";
  std::string workbook;
  std::vector<std::string> files;

  bool wantsGraphs() const { return !graphsDir.empty() || !workbook.empty(); }
};

// The options, or nullopt with `problem` set for a usage error.
std::optional<RunnerOptions> parseRunnerOptions(const std::vector<std::string>& args, std::string& problem);

extern const char* const kUsageLine;
extern const char* const kHelpText;

}  // namespace murena::runner
