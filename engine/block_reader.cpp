#include "engine/block_reader.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/analysis_stops.h"
#include "engine/distribution.h"
#include "engine/earth_pressure_loads.h"
#include "engine/report_head.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/user_py_curves.h"

namespace murena {
namespace {

constexpr double kMinIncrementLength = 1.0e-100;
constexpr double kMaxIncrementLength = 1.0e100;

// Single-precision 3.1416 as the degree conversion has always used it.
constexpr double kPi = static_cast<double>(3.1416f);

void checkCount(const RunContext& ctx, int count, int limit, const char* what) {
  if (count > limit)
    throw InputError("     ERROR -- " + std::string(what) + " COUNT " + std::to_string(count) + " EXCEEDS THE STORE OF " +
                     std::to_string(limit) + " IN " + ctx.input.record());
}

void echoControlParameters(RunContext& ctx) {
  const ControlData& c = ctx.block.control;
  TextOutput& r = ctx.report;
  r.emptyLines(2);
  writeFramedHeading(r, "*        PROGRAM CONTROL PARAMETERS              *");
  r.line({});
  r << Line().b(6).text("NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ").I(c.restraintCount, 2).str();
  r << Line().b(6).text("NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ").I(c.sectionCount, 2).str();
  r << Line().b(6).text("GENERATE EARTH PRESSURE INTERNALLY                 = ").I(c.earthPressureCode > 1 ? 1 : 0, 2).str();
  r << Line().b(6).text("GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ").I(c.pyCode == 2 ? 1 : 0, 2).str();
  r << Line().b(6).text("NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ").I(c.pyModCount, 2).str();
  r << Line().b(6).text("NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ").I(c.pyCurveSetCount, 2).str();
}

void readWallLine(RunContext& ctx) {
  WallData& w = ctx.block.wall;
  FreeFormatReader& in = ctx.input;
  in.setRecord("WALL LINE (RECORD 3)");
  in.beginRead();
  w.NN = in.readInt();
  w.h = in.readReal();
  w.maxDeflection = in.readReal();
  w.tolerance = in.readReal();
  w.freeHeight = in.readReal();
  w.activeWidth = in.readReal();
  in.endRead();
  if (w.NN < 1 || w.NN > kMaxIncrements)
    throw InputError("     ERROR -- NUMBER OF INCREMENTS " + std::to_string(w.NN) + " OUTSIDE 1 TO " +
                     std::to_string(kMaxIncrements) + " IN WALL LINE (RECORD 3)");
  if (!(w.h > 0.0)) throw InputError("     ERROR -- INCREMENT LENGTH MUST BE GREATER THAN 0 IN WALL LINE (RECORD 3)");
  // The difference equations carry h^3: beyond these limits it underflows to
  // 0 or overflows, and the wall would "close" on zero or infinite results.
  if (w.h < kMinIncrementLength || w.h > kMaxIncrementLength)
    throw InputError("     ERROR -- INCREMENT LENGTH OUTSIDE 1.0E-100 TO 1.0E+100 IN WALL LINE (RECORD 3)");
  w.twoH = 2.0 * w.h;
  w.hSquared = w.h * w.h;
  w.hCubed = w.hSquared * w.h;
  w.wallLength = w.NN * w.h;

  const UnitLabels& u = ctx.labels;
  TextOutput& r = ctx.report;
  r << Line().b(6).text("NUMBER OF INCREMENTS                               = ").I(w.NN, 3).str();
  r << Line().b(6).text("INCREMENT LENGTH                                   = ").F(w.h, 9, 3).text(u.lengthLabel).str();
  r << Line().b(6).text("FREE HEIGHT OF WALL                                = ").F(w.freeHeight, 9, 3).text(u.lengthLabel).str();
  r << Line().b(6).text("MAXIMUM ALLOWABLE DEFLECTION                       = ").F(w.maxDeflection, 9, 3).text(u.lengthLabel).str();
  r << Line().b(6).text("DEFLECTION CLOSURE TOLERANCE                       = ").PE(w.tolerance, 9, 3).text(u.lengthLabel).str();
}

void readRestraints(RunContext& ctx) {
  BlockData& blk = ctx.block;
  TextOutput& r = ctx.report;
  int count = blk.control.restraintCount;
  if (count > kMaxRestraints) stopTooMuchData(ctx);
  if (count <= 0) {
    r.line({});
    r.line(fmt::B(20));
    return;
  }
  r.emptyLines(2);
  writeFramedHeading(r, "*        SPECIFIED DEFLECTIONS AND SLOPES        *");
  r.line({});
  r << Line().b(5).text("     STA      CASE       DEFLECTION        SLOPE").str();
  r.line({});
  ctx.input.setRecord("RESTRAINT LINES (RECORD 4)");
  int prev = 3;
  for (int i = 1; i <= count; ++i) {
    ctx.input.beginRead();
    int kase = ctx.input.readInt();
    int station = readStation(ctx.input);
    double deflection = ctx.input.readReal();
    double slope = ctx.input.readReal();
    ctx.input.endRead();
    if (station + 4 < prev) stopStationsNotInOrder(ctx);
    prev = station + 4;
    if (station > blk.wall.NN + 3) checkStationInStore(ctx, station);
    int k = station + 4;
    blk.restraints[i] = {deflection, slope};
    blk.restraintRecords = i;
    if (kase <= 1) {
      blk.st.code[k] = 2;
      r << Line().b(10).I(station, 3).b(7).I(kase, 2).b(8).E(deflection, 10, 3).b(9).text("NONE").str();
    } else if (kase == 2) {
      blk.st.code[k - 1] = 3;
      blk.st.code[k + 1] = 5;
      r << Line().b(10).I(station, 3).b(7).I(kase, 2).b(11).text("NONE").b(8).E(slope, 10, 3).str();
    } else {
      blk.st.code[k - 1] = 3;
      blk.st.code[k] = 4;
      blk.st.code[k + 1] = 5;
      r << Line().b(10).I(station, 3).b(7).I(kase, 2).b(3).b(5).E(deflection, 10, 3).b(5).E(slope, 10, 3).str();
    }
  }
}

// One echo row of the stiffness-and-load block in the layout of its case.
void echoTableRow(RunContext& ctx, int c, int from, int to, int mode, const std::array<double, 6>& v) {
  Line line;
  if (c == 2)
    line.b(5).I(from, 4).b(4).I(mode - 1, 3).b(1);
  else if (c == 3 || c == 4)
    line.b(9).I(to, 4).I(mode - 1, 3).b(1);
  else
    line.b(5).I(from, 4).I(to, 4).I(mode - 1, 3).b(1);
  for (double x : v) line.E(x, 10, 3);
  ctx.report << line.str();
}

[[noreturn]] void stopPendingInterpolation(RunContext& ctx, const char* table) {
  stopAnalysis(ctx.report, std::string("     ERROR STOP -- LAST LINE OF ") + table +
                               " ASKS TO INTERPOLATE TO A NEXT LINE THAT DOES NOT EXIST");
}

double eiAt(const RunContext& ctx, int station) {
  int k = station + 4;
  return (k >= 1 && k < kStorageSize) ? ctx.block.st.EI[k] : 0.0;
}

void echoStiffnessHeading(RunContext& ctx) {
  TextOutput& r = ctx.report;
  const UnitLabels& u = ctx.labels;
  r.emptyLines(2);
  writeFramedHeading(r, "*        STIFFNESS AND LOAD DATA                 *");
  r << Line().b(6).text("EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,").str();
  r << Line().b(6).text("S - STIFFNESS OF TRANSVERSE RESISTANCE,").str();
  r << Line().b(6).text("T - TORQUE,              P - AXIAL LOAD,").str();
  r << Line().b(6).text("R - STIFFNESS OF TORSIONAL RESISTANCE.").str();
  r.line({});
  r << Line().text("     FROM TO CONTD     EI         Q        S'        T         R         P").str();
  r.line({});
  r << Line()
           .b(18).text(u.eiUnit())
           .b(4).text(u.forceLabel)
           .b(4).text(u.forcePerLength())
           .b(3).text(u.lengthLabel).text(u.dash).text(u.forceShort)
           .b(2).text(u.lengthLabel).text(u.dash).text(u.forceShort)
           .b(4).text(u.forceLabel)
           .str();
}

void readWallStiffness(RunContext& ctx) {
  BlockData& blk = ctx.block;
  int count = blk.control.sectionCount;
  if (count <= 0) {
    ctx.report.line({});
    ctx.report.line(fmt::B(20));
    return;
  }
  ctx.input.setRecord("WALL STIFFNESS LINES (RECORD 5)");
  TableDistributor table(ctx, {&blk.st.EI, nullptr, nullptr, nullptr, nullptr, nullptr});
  for (int i = 1; i <= count; ++i) {
    ctx.input.beginRead();
    int from = readStation(ctx.input);
    int to = readStation(ctx.input);
    int mode = ctx.input.readInt();
    double ei = ctx.input.readReal();
    ctx.input.endRead();
    std::array<double, 6> values{ei, 0, 0, 0, 0, 0};
    int c = table.add(from, to, mode, values);
    echoTableRow(ctx, c, from, to, mode, values);
  }
  if (table.pending()) stopPendingInterpolation(ctx, "WALL STIFFNESS TABLE");
}

void readConcentratedLoads(RunContext& ctx) {
  BlockData& blk = ctx.block;
  ctx.input.setRecord("CONCENTRATED LOADS (RECORD 6)");
  int count = ctx.input.readIntRecord();
  checkCount(ctx, count, kMaxConcentratedLoads, "CONCENTRATED LOAD");
  TableDistributor table(ctx, {nullptr, &blk.st.Q, nullptr, &blk.st.T, nullptr, &blk.st.P});
  for (int i = 1; i <= count; ++i) {
    ctx.input.beginRead();
    int mode = ctx.input.readInt();
    int from = readStation(ctx.input);
    int to = readStation(ctx.input);
    double q = ctx.input.readReal();
    double t = ctx.input.readReal();
    double p = ctx.input.readReal();
    ctx.input.endRead();
    if (t != 0.0) blk.couples[++blk.coupleCount] = {from, t / blk.wall.twoH};
    int c = table.add(from, to, mode, {0.0, q, 0.0, t, 0.0, -p});
    echoTableRow(ctx, c, from, to, mode, {eiAt(ctx, from), q, 0.0, t, 0.0, p});
  }
  if (table.pending()) stopPendingInterpolation(ctx, "CONCENTRATED LOAD TABLE");
}

void readSpringsAndTiebacks(RunContext& ctx) {
  BlockData& blk = ctx.block;
  const WallData& w = blk.wall;
  bool english = blk.control.units == 1;
  ctx.input.setRecord("SPRINGS (RECORD 7)");
  int springCount = ctx.input.readIntRecord();
  checkCount(ctx, springCount, kMaxConcentratedLoads, "SPRING");
  int tiebacks = blk.control.tiebackCount;
  checkCount(ctx, tiebacks, kMaxTiebacks, "TIEBACK");
  if (tiebacks < 0) tiebacks = 0;
  int nc = springCount < 0 ? 0 : springCount;
  blk.supportCount = springCount + tiebacks;
  TableDistributor table(ctx, {nullptr, &blk.st.Q, &blk.st.S, nullptr, &blk.st.R, nullptr});
  int total = nc + tiebacks;
  for (int i = 1; i <= total; ++i) {
    int from, to, mode;
    double q = 0.0, s, rr;
    int c;
    if (i <= nc) {
      ctx.input.beginRead();
      from = readStation(ctx.input);
      to = readStation(ctx.input);
      mode = ctx.input.readInt();
      s = ctx.input.readReal();
      rr = ctx.input.readReal();
      ctx.input.endRead();
      c = table.add(from, to, mode, {0.0, 0.0, s, 0.0, rr, 0.0});
      if (i == nc && table.pending()) stopPendingInterpolation(ctx, "SPRING TABLE");
    } else {
      if (i == nc + 1) ctx.input.setRecord("TIEBACK LINES (RECORD 8)");
      double v[7];
      ctx.input.readReals(v, 7);
      TiebackRecord& tb = blk.tiebacks[++blk.tiebackCount];
      tb.depth = v[0];
      tb.area = v[1];
      tb.modulus = v[2];
      tb.unbondedLength = v[3];
      tb.angleDeg = v[4];
      tb.spacing = v[5];
      tb.prestress = v[6];
      double stationReal = english ? 12.0 * tb.depth / w.h : tb.depth / w.h;
      if (!(std::fabs(stationReal) < 1.0e6))
        throw InputError("     ERROR -- TIEBACK DEPTH OUTSIDE THE WALL IN TIEBACK LINES (RECORD 8)");
      tb.station = static_cast<int>(std::lround(stationReal));
      tb.angleRad = tb.angleDeg * kPi / 180.0;
      double cosine = std::cos(tb.angleRad);
      if (english) {
        tb.stiffness = tb.modulus * tb.area * cosine / ((12.0 * tb.spacing / w.activeWidth) * (12.0 * tb.unbondedLength));
        tb.load = -(w.activeWidth / (12.0 * tb.spacing)) * tb.prestress * cosine;
      } else {
        tb.stiffness = tb.modulus * tb.area * cosine / ((tb.spacing / w.activeWidth) * tb.unbondedLength);
        tb.load = -(w.activeWidth / tb.spacing) * tb.prestress * cosine;
      }
      from = to = tb.station;
      mode = 1;
      q = tb.load;
      s = tb.stiffness;
      rr = 0.0;
      // A tieback is a single-station constant record whatever came before.
      TableDistributor single(ctx, {nullptr, &blk.st.Q, &blk.st.S, nullptr, &blk.st.R, nullptr});
      c = single.add(from, to, mode, {0.0, q, s, 0.0, rr, 0.0});
    }
    if (from == to) {
      if (i == 1) blk.firstSupportDepth = from * w.h;
      if (i == nc || i == total) blk.lastSupportDepth = from * w.h;
    }
    echoTableRow(ctx, c, from, to, mode, {eiAt(ctx, from), q, s, 0.0, rr, 0.0});
  }
}

void readPYModifications(RunContext& ctx) {
  BlockData& blk = ctx.block;
  int count = blk.control.pyModCount;
  ctx.input.setRecord("P-Y MODIFICATION LINES (RECORD 9)");
  checkCount(ctx, count, kMaxPYModRows, "P-Y MODIFICATION");
  for (int i = 1; i <= count; ++i) {
    double v[3];
    ctx.input.readReals(v, 3);
    blk.pyMods[i] = {v[0], v[1], v[2]};
    blk.pyModCount = i;
  }
}

// Data may reach the tip but not the stations below it.  Each value is
// tested on its own so that values of opposite sign cannot cancel.
void checkDataBeyondTip(RunContext& ctx) {
  const StationArrays& st = ctx.block.st;
  int n5 = ctx.block.wall.NN + 5, n6 = n5 + 1;
  double values[] = {st.EI[n5], st.EI[n6], st.Q[n5], st.S[n5], st.T[n5], st.T[n6], st.R[n5], st.R[n6], st.P[n5], st.P[n6]};
  for (double v : values) {
    if (v != 0.0) stopAnalysis(ctx.report, "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END");
  }
}

void readMomentEISets(RunContext& ctx) {
  BlockData& blk = ctx.block;
  int count = blk.control.momentEISetCount;
  ctx.input.setRecord("MOMENT-EI CURVES (RECORD 13)");
  checkCount(ctx, count, kMaxMomentEISets, "MOMENT-EI SET");
  for (int i = 1; i <= count; ++i) {
    MomentEISet& set = blk.momentEISets[i];
    ctx.input.beginRead();
    set.from = readStation(ctx.input);
    set.to = readStation(ctx.input);
    set.count = ctx.input.readInt();
    ctx.input.endRead();
    checkCount(ctx, set.count, kMaxMomentEIPoints, "MOMENT-EI POINT");
    if (set.from <= set.to) {
      checkStationInStore(ctx, set.from);
      checkStationInStore(ctx, set.to);
    }
    for (int j = 1; j <= set.count; ++j) {
      double v[2];
      ctx.input.readReals(v, 2);
      set.M[j - 1] = v[0];
      set.E[j - 1] = v[1];
    }
    blk.momentEISetCount = i;
  }
}

}  // namespace

void readControlLine(RunContext& ctx) {
  ControlData& c = ctx.block.control;
  FreeFormatReader& in = ctx.input;
  in.setRecord("CONTROL LINE (RECORD 2)");
  in.beginRead();
  c.units = in.readInt();
  c.restraintCount = in.readInt();
  c.sectionCount = in.readInt();
  c.pyModCount = in.readInt();
  c.earthPressureCode = in.readInt();
  c.pyCode = in.readInt();
  c.pyCurveSetCount = in.readInt();
  c.stageCount = in.readInt();
  c.momentEISetCount = in.readInt();
  c.tiebackCount = in.readInt();
  in.endRead();
}

void readBlockBody(RunContext& ctx) {
  BlockData& blk = ctx.block;
  echoControlParameters(ctx);
  readWallLine(ctx);
  for (int k = 1; k <= blk.wall.NN + 7; ++k) blk.st.code[k] = 1;
  readRestraints(ctx);
  echoStiffnessHeading(ctx);
  readWallStiffness(ctx);
  readConcentratedLoads(ctx);
  readSpringsAndTiebacks(ctx);
  readPYModifications(ctx);
  buildEarthPressureLoads(ctx);
  checkDataBeyondTip(ctx);
  buildPYCurveStore(ctx);
  readMomentEISets(ctx);
}

}  // namespace murena
