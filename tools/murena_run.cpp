// murena-run: runs the analysis engine on data files from the command line.
//
//   murena-run [--workdir DIR] [--json] FILE.mr5d...
//
// For each file it writes the run-control file "NAMES.dat" into a working
// folder (a fresh temporary folder per file unless --workdir is given), loads
// Murena2015_DLL.so from the runner's own folder, calls the entry with the
// interface number 12 inside that folder and prints a summary of the run.
// Exit status: 0 when every run reached "END OF ANALYSIS", 1 otherwise,
// 2 on usage errors.
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
#include "tools/run_summary.h"
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
constexpr const char* kUsage = "usage: murena-run [--workdir DIR] [--json] FILE.mr5d...\n";

using EntryFunction = std::int32_t (*)(std::int32_t);

struct Options {
  std::optional<fs::path> workdir;
  bool json = false;
  std::vector<std::string> files;
#ifdef MURENA_RUN_GRAPHS
  GraphOutputOptions graphs;
#endif
};

// Returns the options, or nullopt after printing a usage error.
std::optional<Options> parseArguments(int argc, char** argv, bool& helpOnly) {
  Options options;
  bool filesOnly = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (filesOnly || arg.empty() || arg[0] != '-' || arg == "-") {
      options.files.push_back(arg);
    } else if (arg == "--") {
      filesOnly = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--help" || arg == "-h") {
      helpOnly = true;
      return options;
    } else if (arg == "--workdir") {
      if (i + 1 >= argc || std::string(argv[i + 1]).empty()) {
        std::cerr << "murena-run: --workdir needs a folder\n" << kUsage;
        return std::nullopt;
      }
      options.workdir = argv[++i];
    } else if (arg.rfind("--workdir=", 0) == 0 && arg.size() > 10) {
      options.workdir = arg.substr(10);
#ifdef MURENA_RUN_GRAPHS
    } else if (std::string problem; parseGraphOption(i, argc, argv, options.graphs, problem)) {
      if (!problem.empty()) {
        std::cerr << "murena-run: " << problem << "\n" << kUsage;
        return std::nullopt;
      }
#endif
    } else {
      std::cerr << "murena-run: unknown option " << arg << "\n" << kUsage;
      return std::nullopt;
    }
  }
  if (options.files.empty()) {
    std::cerr << "murena-run: no data file given\n" << kUsage;
    return std::nullopt;
  }
  return options;
}

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
std::string callEngine(const fs::path& library, const fs::path& folder, const RunSummary& s) {
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
  // Outputs of an earlier run must not pass for this run's results.
  std::error_code ignored;
  for (const std::string* output : {&s.reportFile, &s.plotFile, &s.notesFile}) fs::remove(*output, ignored);

  std::int32_t status = entry(kInterfaceNumber);

  std::string problem;
  if (fchdir(previous) != 0) problem = "cannot return to the previous current directory";
  close(previous);
  dlclose(handle);
  if (problem.empty() && status == 1) problem = "the engine refused interface number 12";
  return problem;
}

RunSummary runOne(const std::string& file, const Options& options, const fs::path& library) {
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
      return s;
    }
  }

  WorkFolder folder(options.workdir);
  if (!folder.problem().empty()) {
    s.error = folder.problem();
    return s;
  }
  if (!writeNamesFile(folder.path(), s)) {
    s.error = "cannot write NAMES.dat in " + folder.path().string();
    return s;
  }
  s.error = callEngine(library, folder.path(), s);
  s.engineCalled = true;
  if (!s.error.empty()) return s;

  std::optional<std::string> report = readWholeFile(s.reportFile);
  if (!report) {
    s.error = "the engine wrote no report " + s.reportFile;
    return s;
  }
  readReport(*report, s);
  if (std::optional<std::string> plot = readWholeFile(s.plotFile)) readPlotResults(*plot, s);
  if (!s.endOfAnalysis) s.error = "the run stopped before END OF ANALYSIS (see the report)";
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  bool helpOnly = false;
  std::optional<Options> options = parseArguments(argc, argv, helpOnly);
  if (helpOnly) {
    std::cout << kUsage;
    return 0;
  }
  if (!options) return 2;

  fs::path library = libraryPath();
  bool allReachedEnd = true;
  bool first = true;
  for (const std::string& file : options->files) {
    RunSummary summary = runOne(file, *options, library);
    if (!summary.endOfAnalysis || !summary.error.empty()) allReachedEnd = false;
    if (!summary.error.empty()) std::cerr << "murena-run: " << file << ": " << summary.error << "\n";
#ifdef MURENA_RUN_GRAPHS
    if (options->graphs.wanted() && summary.error.empty() && !writeRunGraphs(summary.dataFile, options->graphs, std::cerr))
      allReachedEnd = false;
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
  return allReachedEnd ? 0 : 1;
}
