#include "engine/run_analysis.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <string>

#include "common/data_file_layout.h"
#include "engine/analysis_stops.h"
#include "engine/block_reader.h"
#include "engine/plot_writer.h"
#include "engine/report_head.h"
#include "engine/run_errors.h"
#include "engine/station_results.h"
#include "engine/wall_solver.h"

namespace murena {
namespace {

std::string trimLineEnd(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

// Reads "NAMES.dat": version text, three reserved lines, four paths.
bool readNamesFile(RunContext& ctx) {
  FreeFormatReader names;
  std::string lines[8];
  int got = 0;
  if (names.openFile("NAMES.dat")) {
    try {
      for (; got < 8; ++got) lines[got] = names.readTextLine();
    } catch (const InputError&) {
    }
  }
  std::string version = lines[0].substr(0, 12);
  ctx.versionText = version + std::string(12 - version.size(), ' ');
  if (got < 8 || trimLineEnd(lines[4]).empty() || trimLineEnd(lines[5]).empty() || trimLineEnd(lines[6]).empty() ||
      trimLineEnd(lines[7]).empty()) {
    std::fputs(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!\n", stderr);
    return false;
  }
  ctx.inputPath = trimLineEnd(lines[4]);
  ctx.reportPath = trimLineEnd(lines[5]);
  ctx.plotPath = trimLineEnd(lines[6]);
  ctx.notesPath = trimLineEnd(lines[7]);
  return true;
}

void resetBlock(RunContext& ctx) {
  std::destroy_at(&ctx.block);
  std::construct_at(&ctx.block);
  ctx.blockEndMarker = 0;
  ctx.plotUnits = 1;
}

// The title: the first 70 characters of the record, padded with blanks.
std::string titleOf(std::string text) {
  if (text.size() > 70) text.resize(70);
  return text + std::string(70 - text.size(), ' ');
}

// A data file holds one block, a short-term and a long-term block, or up to
// five stage blocks: a marker that asks for any other block ends the run.
void checkAnotherBlockFits(const RunContext& ctx, bool longTermBlock) {
  const std::string marker =
      "     ERROR -- BLOCK-END MARKER " + std::to_string(ctx.blockEndMarker) + " AFTER BLOCK " + std::to_string(ctx.blockNumber);
  if (longTermBlock) throw InputError(marker + ": NO BLOCK FOLLOWS THE LONG-TERM BLOCK");
  if (ctx.blockEndMarker == layout::kLongTermFollows && ctx.blockNumber != 1)
    throw InputError(marker + ": ONLY THE FIRST BLOCK HAS A LONG-TERM BLOCK AFTER IT");
  if (ctx.blockNumber >= layout::kMaxStages)
    throw InputError(marker + ": A DATA FILE HOLDS AT MOST " + std::to_string(layout::kMaxStages) + " STAGES");
}

void runBlocks(RunContext& ctx) {
  bool longTermBlock = false;  // the block being read follows a marker 9
  for (;;) {
    ctx.input.setRecord("TITLE RECORD (RECORD 1)");
    std::string title = ctx.input.readTextLine();
    resetBlock(ctx);
    ctx.blockTitle = titleOf(title);
    if (++ctx.blockNumber == 1) ctx.firstTitle = ctx.blockTitle;
    readControlLine(ctx);
    writeReportHead(ctx);
    ctx.plotUnits = ctx.block.control.units;
    if (ctx.block.control.units == 1) ctx.unitSign = 1;
    if (ctx.block.control.units == 2) ctx.unitSign = -1;
    setUnitLabels(ctx.labels, ctx.unitSign);

    readBlockBody(ctx);
    SolverOutcome outcome = solveWall(ctx);
    writeStationResults(ctx, outcome);
    writeTiebackResults(ctx);

    ctx.input.setRecord("BLOCK-END MARKER (RECORD 14)");
    ctx.blockEndMarker = ctx.input.readIntRecord();
    int stages = ctx.block.control.stageCount;
    if (ctx.blockEndMarker == stages) ctx.blockEndMarker = 0;
    if (ctx.blockEndMarker == 0) return;
    checkAnotherBlockFits(ctx, longTermBlock);
    longTermBlock = ctx.blockEndMarker == layout::kLongTermFollows;
    ctx.resultSetCount = ctx.blockEndMarker == layout::kLongTermFollows ? 2 : stages;
    writeResultRecord(ctx);
  }
}

void endOfRun(RunContext& ctx) {
  ctx.report.emptyLines(3);
  ctx.report.line("     END OF ANALYSIS                             ");
  writeResultRecord(ctx);
}

void closeFiles(RunContext& ctx) {
  ctx.report.close();
  ctx.plot.close();
  ctx.notes.close();
}

}  // namespace

std::int32_t runAnalysis() {
  std::unique_ptr<RunContext> owned;
  try {
    owned = std::make_unique<RunContext>();
  } catch (const std::bad_alloc&) {
    std::fputs(" NOT ENOUGH MEMORY FOR THE ANALYSIS\n", stderr);
    return 0;
  }
  return runAnalysisWith(*owned);
}

std::int32_t runAnalysisWith(RunContext& ctx) {
  if (!readNamesFile(ctx)) return 0;

  bool inputOpened = ctx.input.openFile(ctx.inputPath);
  ctx.report.open(ctx.reportPath);
  ctx.plot.open(ctx.plotPath);
  ctx.notes.open(ctx.notesPath);
  ctx.resultSetCount = 1;
  ctx.blockNumber = 0;

  try {
    if (!inputOpened) throw InputError("     ERROR -- CANNOT OPEN THE INPUT DATA FILE " + ctx.inputPath);
    runBlocks(ctx);
  } catch (const StopCode& stop) {
    // The soil models end the run at the point of the stop: the report says
    // why in its last line; the console gets the code (a stop without a code
    // prints nothing there).
    writeStopLine(ctx.report, stop);
    if (!stop.code.empty()) std::fprintf(stderr, "%s\n", stop.code.c_str());
    closeFiles(ctx);
    return 0;
  } catch (const AnalysisStop&) {
  } catch (const InputError& error) {
    ctx.report.emptyLines(2);
    ctx.report.line(error.what());
  } catch (const std::exception& error) {
    ctx.report.emptyLines(2);
    ctx.report.line(std::string("     ERROR -- ") + error.what());
  }
  try {
    endOfRun(ctx);
  } catch (...) {
  }
  closeFiles(ctx);
  return 0;
}

}  // namespace murena
