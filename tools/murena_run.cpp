// murena-run: runs the analysis engine on data files from the command line.
//
//   murena-run [--workdir DIR] [--json] [--strict] [--verbose] FILE.mr5d...
//
// For each file it removes the outputs of an earlier run, writes the
// run-control file "NAMES.dat" into a working folder (a fresh temporary folder
// per file unless --workdir is given), loads Murena2015_DLL.so from the
// runner's own folder, calls the entry with the interface number 12 inside
// that folder with the engine's console caught, and judges the run from the
// report, the plot data file and the console.  Exit status and options:
// tools/runner_options.cpp (--help).
#include <dlfcn.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "common/data_file_layout.h"
#include "tools/console_capture.h"
#include "tools/run_summary.h"
#include "tools/runner_options.h"
#include "tools/summary_output.h"
#ifdef MURENA_RUN_GRAPHS
#include "tools/run_graphs.h"
#endif

namespace fs = std::filesystem;
using namespace murena::runner;

namespace {

constexpr int kInterfaceNumber = 12;
// The engine keeps at most this many characters of each path of NAMES.dat.
constexpr std::size_t kMaxEnginePath = 255;
constexpr const char* kLibraryName = "Murena2015_DLL.so";
using EntryFunction = std::int32_t (*)(std::int32_t);

// The engine library beside this program (found through /proc/self/exe so
// that the runner works from any current directory).
fs::path libraryPath() {
  std::error_code error;
  fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return kLibraryName;
  return self.parent_path() / kLibraryName;
}

fs::path withExtension(fs::path path, const char* extension) { return path.replace_extension(extension); }

// A path the engine can take back unchanged from NAMES.dat.
std::string pathProblem(const std::string& path) {
  if (path.size() > kMaxEnginePath)
    return "path longer than " + std::to_string(kMaxEnginePath) + " characters: " + path;
  if (path.find_first_of("\r\n") != std::string::npos) return "path holds a line break: " + path;
  if (path.back() == ' ') return "path ends with a blank: " + path;
  return {};
}

bool writeNamesFile(const fs::path& folder, const RunSummary& s) {
  std::ofstream names(folder / "NAMES.dat", std::ios::binary | std::ios::trunc);
  names << murena::layout::kVersionText << "\n\n\n0\n"
        << s.dataFile << "\n" << s.reportFile << "\n" << s.plotFile << "\n" << s.notesFile << "\n";
  names.close();
  return static_cast<bool>(names);
}

// The working folder of one run; a temporary one is removed when done.
class WorkFolder {
 public:
  explicit WorkFolder(const std::optional<fs::path>& given) {
    std::error_code error;
    if (given) {
      path_ = fs::absolute(*given, error);
      if (!error) fs::create_directories(path_, error);
      if (error || !fs::is_directory(path_)) problem_ = "cannot use the working folder " + given->string();
      return;
    }
    std::string pattern = (fs::temp_directory_path(error) / "murena-run-XXXXXX").string();
    if (error || mkdtemp(pattern.data()) == nullptr) {
      problem_ = "cannot create a temporary working folder";
      return;
    }
    path_ = pattern;
    temporary_ = true;
  }
  ~WorkFolder() {
    std::error_code ignored;
    if (temporary_) fs::remove_all(path_, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const fs::path& path() const { return path_; }
  const std::string& problem() const { return problem_; }

 private:
  fs::path path_;
  std::string problem_;
  bool temporary_ = false;
};

// Loads the engine, calls its entry inside `folder` and unloads it again, so
// that every run starts from a freshly loaded library.  The current directory
// is restored afterwards.  Returns an error text, empty on success.
std::string callEngine(const fs::path& library, const fs::path& folder) {
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return std::string("cannot load the engine: ") + dlerror();
  auto entry = reinterpret_cast<EntryFunction>(dlsym(handle, "_IMURENA"));
  if (entry == nullptr) {
    dlclose(handle);
    return "the engine library exports no _IMURENA";
  }
  int previous = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (previous < 0 || chdir(folder.c_str()) != 0) {
    if (previous >= 0) close(previous);
    dlclose(handle);
    return "cannot enter the working folder " + folder.string();
  }
  std::int32_t status = entry(kInterfaceNumber);

  std::string problem;
  if (fchdir(previous) != 0) problem = "cannot return to the previous current directory";
  close(previous);
  dlclose(handle);
  if (problem.empty() && status == 1) problem = "the engine refused interface number 12";
  return problem;
}

// Outputs of an earlier run must never pass for this run's: each is removed,
// or emptied where the folder does not allow removing it.
std::string removeEarlierOutputs(const RunSummary& s) {
  for (const std::string* output : {&s.reportFile, &s.plotFile, &s.notesFile}) {
    std::error_code error;
    if (fs::remove(*output, error) || !fs::exists(fs::symlink_status(*output, error))) continue;
    std::ofstream emptied(*output, std::ios::binary | std::ios::trunc);
    if (!emptied) return "cannot remove the earlier output file " + *output;
  }
  return {};
}

// Feeds every line of a file (line ends removed) to `scan`; false when the
// file cannot be opened.
template <typename Scan>
bool scanFile(const std::string& path, Scan& scan) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    scan.addLine(line);
  }
  return true;
}

// The engine's console messages go to the end of the run-notes file, so that
// the console of the runner shows only the summary.
void keepConsoleMessages(const RunSummary& s, const std::string& console) {
  if (console.empty() || !fs::exists(s.notesFile)) return;
  std::ofstream notes(s.notesFile, std::ios::binary | std::ios::app);
  notes << "\n\n     ENGINE CONSOLE MESSAGES\n     -----------------------\n" << console;
  if (console.back() != '\n') notes << "\n";
}

RunSummary runOne(const std::string& file, const RunnerOptions& options, const fs::path& library) {
  RunSummary s;
  std::error_code error;
  fs::path data = fs::absolute(file, error).lexically_normal();
  s.dataFile = error ? file : data.string();
  if (error || !fs::exists(data, error)) {
    s.error = "no such data file: " + file;
    return s;
  }
  if (!fs::is_regular_file(data, error)) {
    s.error = "not a regular file: " + file;
    return s;
  }
  s.reportFile = withExtension(data, ".mr5o").string();
  s.plotFile = withExtension(data, ".mr5p").string();
  s.notesFile = withExtension(data, ".mr5r").string();
  for (const std::string* path : {&s.dataFile, &s.reportFile, &s.plotFile, &s.notesFile}) {
    if (std::string problem = pathProblem(*path); !problem.empty()) {
      s.error = problem;
      s.reportFile.clear();
      s.plotFile.clear();
      s.notesFile.clear();
      return s;
    }
  }
  // Only the files this run writes are listed.
  auto forgetMissingOutputs = [&s] {
    for (std::string* path : {&s.reportFile, &s.plotFile, &s.notesFile})
      if (!fs::exists(*path)) path->clear();
  };
  s.error = removeEarlierOutputs(s);
  if (!s.error.empty()) {
    forgetMissingOutputs();
    return s;
  }

  WorkFolder folder(options.workdir);
  if (!folder.problem().empty()) s.error = folder.problem();
  if (s.error.empty() && !writeNamesFile(folder.path(), s)) s.error = "cannot write NAMES.dat in " + folder.path().string();
  if (!s.error.empty()) {
    forgetMissingOutputs();
    return s;
  }

  std::string console;
  {
    ConsoleCapture capture;
    s.error = callEngine(library, folder.path());
    console = capture.finish();
  }
  s.engineCalled = true;
  keepConsoleMessages(s, console);
  if (options.verbose && !console.empty()) std::cerr << console << std::flush;
  forgetMissingOutputs();
  if (!s.error.empty()) return s;

  ReportScan report;
  if (s.reportFile.empty() || !scanFile(s.reportFile, report)) {
    s.error = "the engine wrote no report " + withExtension(data, ".mr5o").string();
    return s;
  }
  PlotScan plot;
  bool havePlot = !s.plotFile.empty() && scanFile(s.plotFile, plot);
  judgeRun(s, report, havePlot ? &plot : nullptr, console);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  std::string problem;
  std::optional<RunnerOptions> options = parseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
  if (!options) {
    std::cerr << "murena-run: " << problem << "\n" << kUsageLine << "(murena-run --help tells more)\n";
    return kExitUsage;
  }
  if (options->help) {
    std::cout << kHelpText;
    return kExitOk;
  }
  if (options->version) {
    std::cout << "murena-run " << murena::layout::kVersionText << "\n";
    return kExitOk;
  }
#ifndef MURENA_RUN_GRAPHS
  if (options->wantsGraphs()) {
    std::cerr << "murena-run: --graphs and --xlsx need the desktop program's graph libraries, "
                 "which this build leaves out\n";
    return kExitUsage;
  }
#endif

  fs::path library = libraryPath();
  bool anyFailed = false, anyNotClosed = false;
  bool first = true;
  for (const std::string& file : options->files) {
    RunSummary summary = runOne(file, *options, library);
    anyFailed = anyFailed || summary.failed();
    anyNotClosed = anyNotClosed || summary.notClosed || summary.deflectionExceeded;
    if (!summary.error.empty()) std::cerr << "murena-run: " << file << ": " << summary.error << "\n";
    if (!summary.warning.empty()) std::cerr << "murena-run: " << file << ": warning: " << summary.warning << "\n";
#ifdef MURENA_RUN_GRAPHS
    if (options->wantsGraphs() && !summary.failed() &&
        !writeRunGraphs(summary.dataFile, {options->graphsDir, options->graphFormat, options->workbook}, std::cerr))
      anyFailed = true;
#endif
    if (options->json) {
      std::cout << summaryJson(summary) << "\n";
    } else {
      if (!first) std::cout << "\n";
      std::cout << summaryText(summary);
    }
    std::cout.flush();
    first = false;
  }
  if (anyFailed) return kExitRunFailed;
  if (options->strict && anyNotClosed) return kExitNotClosed;
  return kExitOk;
}
