#include "engine/user_py_curves.h"

#include <string>

#include "engine/analysis_stops.h"
#include "engine/distribution.h"
#include "engine/plot_writer.h"
#include "engine/report_head.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/py_generation_api.h"

namespace murena {
namespace {

// User sets only: each set is one curve of the store; sets at or below the
// excavation level chain with their neighbours.
void readUserCurvesOnly(RunContext& ctx) {
  BlockData& blk = ctx.block;
  PYCurveStore& store = blk.curves;
  int sets = blk.control.pyCurveSetCount;
  double h = blk.wall.h;
  ctx.input.setRecord("USER P-Y CURVES (RECORD 12)");
  if (sets > kMaxCurves) stopTooMuchData(ctx);
  writeUserCurveSetHeading(ctx);
  ctx.plot << plotIntegers({ctx.plotUnits, sets});
  int previousFlag = 0;
  for (int c = 1; c <= sets; ++c) {
    ctx.input.beginRead();
    int node = readStation(ctx.input);
    int count = ctx.input.readInt();
    double pMult = ctx.input.readReal();
    double yMult = ctx.input.readReal();
    ctx.input.endRead();
    if (count < 2 || count > kMaxCurvePoints)
      throw InputError("     ERROR -- P-Y CURVE AT NODE " + std::to_string(node) + " HAS " + std::to_string(count) +
                       " POINTS (2 TO " + std::to_string(kMaxCurvePoints) + " ALLOWED) IN USER P-Y CURVES (RECORD 12), LINE " +
                       std::to_string(ctx.input.lineNumber() - 1));
    // Curves below the tip are kept: the solver passes over them.  Above
    // station -3 there is no store to apply them to.
    if (node < -3)
      throw InputError("     ERROR -- P-Y CURVE NODE " + std::to_string(node) + " OUTSIDE THE WALL IN USER P-Y CURVES (RECORD 12), LINE " +
                       std::to_string(ctx.input.lineNumber() - 1));
    ctx.plot << plotReal(node * h) + plotInteger(count);
    int flag = blk.wall.freeHeight <= node * h ? 1 : 0;
    store.pointCount[c] = count;
    store.flag[c] = flag;
    store.startIndex[c] = store.endIndex[c] = node + 4;
    int layoutCase = 2 * previousFlag + flag + 1;
    CurveSetRowLayout layout = layoutCase == 1   ? CurveSetRowLayout::kFromAndTo
                               : layoutCase == 2 ? CurveSetRowLayout::kFromOnly
                                                 : CurveSetRowLayout::kToOnly;
    writeUserCurveSet(ctx, layout, node, flag, pMult, yMult, count);
    for (int k = 1; k <= count; ++k) {
      double v[2];
      ctx.input.readReals(v, 2);
      double y = v[0] * yMult, p = v[1] * pMult;
      ctx.plot << plotReal(y) + plotReal(p);
      writeUserCurvePoint(ctx, y, p);
      store.y[c][k] = y;
      store.p[c][k] = h * pMult * v[1];
    }
    store.count = c;
    previousFlag = flag;
  }
}

}  // namespace

void writeUserCurveSetHeading(RunContext& ctx) {
  ctx.report.emptyLines(2);
  writeFramedHeading(ctx.report, "*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *");
  ctx.report.line({});
}

void writeUserCurveSet(RunContext& ctx, CurveSetRowLayout layout, int node, int flag, double pMultiplier,
                       double yMultiplier, int pointCount) {
  TextOutput& r = ctx.report;
  const UnitLabels& u = ctx.labels;
  r.line({});
  r.line("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ");
  r.line({});
  r.line({});
  Line row;
  switch (layout) {
    case CurveSetRowLayout::kFromAndTo:
      row.b(5).I(node, 4).I(node, 4).I(flag, 3).b(5).E(pMultiplier, 14, 3).E(yMultiplier, 14, 3).b(8).I(pointCount, 4);
      break;
    case CurveSetRowLayout::kFromOnly:
      row.b(5).I(node, 4).b(4).I(flag, 3).b(5).E(pMultiplier, 14, 3).E(yMultiplier, 14, 3).b(10).I(pointCount, 3);
      break;
    case CurveSetRowLayout::kToOnly:
      row.b(9).I(node, 4).I(flag, 3).b(5).E(pMultiplier, 14, 3).E(yMultiplier, 14, 3).b(10).I(pointCount, 3);
      break;
  }
  r << row.str();
  r.emptyLines(2);
  r << Line().b(18).text("    Y    ").b(12).text("   P    ").str();
  r << Line().b(18).b(2).text(u.lengthLabel).b(16).text(u.forcePerLength()).str();
  r << Line().b(18).text("---------").b(12).text("--------").str();
}

void writeUserCurvePoint(RunContext& ctx, double y, double p) {
  ctx.report << Line().b(17).E(y, 10, 3).b(10).E(p, 10, 3).str();
}

void buildPYCurveStore(RunContext& ctx) {
  const ControlData& c = ctx.block.control;
  int sets = c.pyCurveSetCount < 0 ? 0 : c.pyCurveSetCount;
  if (c.pyCode == 2) {
    loadGeneratedPYCurves(ctx);
  } else if (sets > 0) {
    readUserCurvesOnly(ctx);
  } else {
    ctx.plot << plotIntegers({ctx.plotUnits, 0});
  }
}

}  // namespace murena
