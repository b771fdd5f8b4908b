// Generated p-y curves, with or without user sets ahead of them: the user sets
// are read and echoed, the generator writes "SOILDATA", and the file is read
// back into the curve store and the block's p-y record of the plot data file.
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/analysis_stops.h"
#include "engine/distribution.h"
#include "engine/plot_writer.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/py_generation_api.h"
#include "engine/soil/py_generator_frame.h"
#include "engine/user_py_curves.h"

namespace murena {

namespace {

constexpr int kGeneratedFilePoints = 2 * kSidePoints;  // 34 rows per generated depth
constexpr int kGeneratedCurvePoints = kGeneratedFilePoints - 1;  // 33 points in the store


// A fault of the soil-data file, named after the file.
InputError soilDataError(const std::string& what) {
  return InputError("     ERROR -- SOIL-DATA FILE " + std::string(kSoilDataFile) + " " + what);
}

// Curve c of the store: count points, acting at the station of `node` (flag 0
// for a user set, 1 for a generated curve).
void placeCurve(PYCurveStore& store, int c, int count, int flag, int node) {
  store.pointCount[c] = count;
  store.flag[c] = flag;
  store.startIndex[c] = store.endIndex[c] = node + 4;
}

// Record 12 ahead of generated curves: every set acts at its own node only.
void readUserCurveSets(RunContext& ctx, int setCount) {
  BlockData& block = ctx.block;
  if (setCount > kMaxCurves) stopTooMuchData(ctx);
  ctx.input.setRecord("USER P-Y CURVES (RECORD 12)");
  writeUserCurveSetHeading(ctx);
  block.userCurveSetCount = 0;
  for (int c = 1; c <= setCount; ++c) {
    ctx.input.beginRead();
    const int node = readStation(ctx.input);
    const int count = ctx.input.readInt();
    const double pMult = ctx.input.readReal();
    const double yMult = ctx.input.readReal();
    ctx.input.endRead();
    const std::string where = " IN USER P-Y CURVES (RECORD 12), LINE " + std::to_string(ctx.input.lineNumber() - 1);
    if (count < 2 || count > kMaxCurvePoints)
      throw InputError("     ERROR -- P-Y CURVE AT NODE " + std::to_string(node) + " HAS " + std::to_string(count) +
                       " POINTS (2 TO " + std::to_string(kMaxCurvePoints) + " ALLOWED)" + where);
    // As for user sets alone: a set below the tip is kept (the solver passes
    // over it); above station -3 there is no store to apply it to.
    if (node < -3)
      throw InputError("     ERROR -- P-Y CURVE NODE " + std::to_string(node) + " OUTSIDE THE WALL" + where);
    writeUserCurveSet(ctx, CurveSetRowLayout::kToOnly, node, 0, pMult, yMult, count);
    UserCurveSet& set = block.userSets[c];
    set.node = node;
    set.count = count;
    set.pMultiplier = pMult;
    set.yMultiplier = yMult;
    for (int k = 1; k <= count; ++k) {
      double v[2];
      ctx.input.readReals(v, 2);
      set.y[k] = v[0] * yMult;
      set.p[k] = v[1] * pMult;
      writeUserCurvePoint(ctx, set.y[k], set.p[k]);
    }
    block.userCurveSetCount = c;
  }
}

// A user curve of the file: its rows are skipped, the store takes the set.
void loadUserCurve(RunContext& ctx, FreeFormatReader& file, int c) {
  const UserCurveSet& set = ctx.block.userSets[c];
  PYCurveStore& store = ctx.block.curves;
  const double h = ctx.block.wall.h;
  file.beginRead();
  const int node = file.readInt();
  const int count = file.readInt();
  file.endRead();
  if (node != set.node || count != set.count)
    throw soilDataError("DOES NOT MATCH THE USER P-Y CURVES");
  for (int k = 1; k <= count; ++k) {
    double row[3];
    file.readReals(row, 3);
  }
  placeCurve(store, c, count, 0, node);
  ctx.plot << plotReal(node * h) + plotInteger(count);
  for (int k = 1; k <= count; ++k) {
    ctx.plot << plotReal(set.y[k]) + plotReal(set.p[k]);
    store.y[c][k] = set.y[k];
    store.p[c][k] = set.p[k] * h;
  }
}

// A generated curve: 17 excavation-side rows and 17 backfill-side rows become
// one curve of 33 points in increasing deflection (the backfill side mirrored
// to negative deflections, the two zero-deflection points merged).
void loadGeneratedCurve(RunContext& ctx, FreeFormatReader& file, int c) {
  PYCurveStore& store = ctx.block.curves;
  const double h = ctx.block.wall.h;
  file.beginRead();
  const double depth = file.readReal();
  const int count = file.readInt();
  file.endRead();
  if (count != kGeneratedFilePoints)
    throw soilDataError("HOLDS A CURVE OF " + std::to_string(count) + " POINTS");
  const long node = h > 0.0 ? std::lround(depth / h) : 0;
  if (node < -3 || node > ctx.block.wall.NN + 3)
    throw soilDataError("HOLDS A CURVE BELOW THE WALL");
  std::array<double, kGeneratedFilePoints + 1> Pf{}, Yf{};
  for (int m = 1; m <= kGeneratedFilePoints; ++m) {
    double row[3];
    file.readReals(row, 3);
    Pf[m] = row[1];
    Yf[m] = row[2];
  }
  for (int k = 1; k <= kSidePoints; ++k) {
    store.y[c][k] = -Yf[35 - k];
    store.p[c][k] = Pf[35 - k];
  }
  for (int k = kSidePoints + 1; k <= kGeneratedCurvePoints; ++k) {
    store.y[c][k] = Yf[k - 16];
    store.p[c][k] = -Pf[k - 16];
  }
  placeCurve(store, c, kGeneratedCurvePoints, 1, static_cast<int>(node));
  ctx.plot << Line().b(1).F(depth, 10, 2).b(1).I(kGeneratedCurvePoints, 5).str();
  for (int k = 1; k <= kGeneratedCurvePoints; ++k) {
    ctx.plot << plotReal(store.y[c][k]) + plotReal(store.p[c][k]);
    store.p[c][k] *= h;
  }
}

void readSoilData(RunContext& ctx) {
  FreeFormatReader file;
  if (!file.openFile(kSoilDataFile))
    throw InputError("     ERROR -- CANNOT OPEN THE SOIL-DATA FILE " + std::string(kSoilDataFile));
  file.setRecord("SOIL-DATA FILE " + std::string(kSoilDataFile));
  const int curveCount = file.readIntRecord();
  const std::string countText = Line().I(curveCount, 12).str() + "\n";
  std::fputs(countText.c_str(), stderr);
  ctx.plot << plotIntegers({ctx.plotUnits, curveCount});
  PYCurveStore& store = ctx.block.curves;
  store.count = 0;
  if (curveCount > kMaxCurves) stopTooMuchData(ctx);
  if (curveCount <= 0) {
    ctx.report.emptyLines(1);
    ctx.report.line(Line().b(20));
    return;
  }
  const int userSets = ctx.block.userCurveSetCount;
  for (int c = 1; c <= curveCount; ++c) {
    if (c <= userSets) loadUserCurve(ctx, file, c);
    else loadGeneratedCurve(ctx, file, c);
    store.count = c;
  }
}

}  // namespace

void loadGeneratedPYCurves(RunContext& ctx) {
  const int setCount = ctx.block.control.pyCurveSetCount;
  ctx.block.userCurveSetCount = 0;
  ctx.block.curves.count = 0;
  if (setCount > 0) readUserCurveSets(ctx, setCount);
  generatePYCurves(ctx);
  readSoilData(ctx);
}

}  // namespace murena
