#pragma once
// Scratch folder for whole in-process engine runs: it holds the data file and
// "NAMES.dat" and is the current directory while it exists, so the loop only
// has to call murena::runAnalysis().
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace murena::bench {

namespace fs = std::filesystem;

// A scratch folder holding the data file and "NAMES.dat"; it is the current
// directory while it exists.
class RunFolder {
 public:
  explicit RunFolder(const std::string& dataFile) {
    // In memory where possible, so that the figures measure the engine and
    // not the disk's write-back of the replaced output files.
    fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "murena-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch folder");
    path_ = pattern;
    previous_ = fs::current_path();
    std::ofstream(path_ / "wall.mr5d", std::ios::binary) << dataFile;
    std::ofstream(path_ / "NAMES.dat", std::ios::binary)
        << "2015.5.12\n\n\n0\n" << (path_ / "wall.mr5d").string() << "\n" << (path_ / "wall.mr5o").string() << "\n"
        << (path_ / "wall.mr5p").string() << "\n" << (path_ / "wall.mr5r").string() << "\n";
    fs::current_path(path_);
  }
  ~RunFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
  }

  // The iteration count of the last results heading of the report.
  int lastIterations() const {
    std::ifstream report(path_ / "wall.mr5o");
    std::string line;
    int iterations = 0;
    const std::string heading = "     RESULTS -- ITERATION";
    while (std::getline(report, line))
      if (line.rfind(heading, 0) == 0) iterations = std::atoi(line.c_str() + heading.size());
    return iterations;
  }
  // Whether the report reached its end: a benchmark of a failing run is void.
  bool reachedEnd() const {
    std::ifstream report(path_ / "wall.mr5o");
    std::string line;
    while (std::getline(report, line))
      if (line.rfind("     END OF ANALYSIS", 0) == 0) return true;
    return false;
  }

 private:
  fs::path path_, previous_;
};

inline void reportRun(benchmark::State& state, const RunFolder& folder, int stations) {
  if (!folder.reachedEnd()) state.SkipWithError("the run did not reach END OF ANALYSIS");
  state.counters["stations"] = stations;
  state.counters["solver_iterations"] = folder.lastIterations();
}

}  // namespace murena::bench
