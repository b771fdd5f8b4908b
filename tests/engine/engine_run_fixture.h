#pragma once
// Runs the engine in-process on a data file written by the test, inside a
// fresh scratch folder, and gives back the report, the plot data file and the
// run context with its full-precision results.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/run_analysis.h"
#include "engine/run_context.h"

namespace murena::testing {

struct EngineRun {
  std::unique_ptr<RunContext> ctx;
  std::string report, plot, notes;
  int status = -1;

  bool reportHas(const std::string& text) const { return report.find(text) != std::string::npos; }
};

inline std::string readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline EngineRun runEngineOn(const std::string& dataFile) {
  namespace fs = std::filesystem;
  char pattern[] = "/tmp/murena-engine-test-XXXXXX";
  fs::path dir = mkdtemp(pattern);
  {
    std::ofstream(dir / "wall.mr5d", std::ios::binary) << dataFile;
    std::ofstream names(dir / "NAMES.dat");
    names << "2015.5.12\n\n\n0\n"
          << (dir / "wall.mr5d").string() << "\n"
          << (dir / "wall.mr5o").string() << "\n"
          << (dir / "wall.mr5p").string() << "\n"
          << (dir / "wall.mr5r").string() << "\n";
  }
  fs::path previous = fs::current_path();
  fs::current_path(dir);
  EngineRun run;
  run.ctx = std::make_unique<RunContext>();
  run.status = runAnalysisWith(*run.ctx);
  fs::current_path(previous);
  run.report = readWholeFile(dir / "wall.mr5o");
  run.plot = readWholeFile(dir / "wall.mr5p");
  run.notes = readWholeFile(dir / "wall.mr5r");
  fs::remove_all(dir);
  return run;
}

}  // namespace murena::testing
