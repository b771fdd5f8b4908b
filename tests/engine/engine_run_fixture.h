#pragma once
// Runs the engine in-process on a data file written by the test, inside a
// fresh scratch folder, and gives back the report, the plot data file and the
// run context with its full-precision results.
#include <memory>
#include <string>

#include "engine/run_analysis.h"
#include "engine/run_context.h"
#include "tests/support/scratch_folder.h"

namespace murena::testing {

struct EngineRun {
  std::unique_ptr<RunContext> ctx;
  std::string report, plot, notes;
  int status = -1;

  bool reportHas(const std::string& text) const { return report.find(text) != std::string::npos; }
};

inline EngineRun runEngineOn(const std::string& dataFile) {
  using namespace testing_support;
  EngineRun run;
  {
    ScratchFolder folder("murena_engine_test", ScratchFolder::Enter::kYes);
    writeText(folder.path() / "wall.mr5d", dataFile);
    writeNamesFile(folder.path(), folder.path() / "wall.mr5d");
    run.ctx = std::make_unique<RunContext>();
    run.status = runAnalysisWith(*run.ctx);
    run.report = readText(folder.path() / "wall.mr5o");
    run.plot = readText(folder.path() / "wall.mr5p");
    run.notes = readText(folder.path() / "wall.mr5r");
  }
  return run;
}

}  // namespace murena::testing
