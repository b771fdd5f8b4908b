// Curve depths, multipliers and the report and soil-data lines shared by all
// p-y generators.
#include <cmath>

#include "engine/report_line.h"
#include "engine/soil/py_generator_frame.h"

namespace murena {

double curveDepth(const PYGeneration& g, int layer, int i) {
  const PYLayer& l = g.layers[layer];
  const double thickness = l.xBottom - l.xTop;
  switch (i) {
    case 1: return l.xTop + g.eps;
    case 2: return l.xTop + 0.25 * thickness;
    case 3: return l.xTop + 0.5 * thickness;
    case 4: return l.xTop + 0.75 * thickness;
    default: return l.xBottom - g.eps;
  }
}

double formulaDepth(const PYGeneration& g, int layer, double sideDepth) {
  // A continuous wall's resistance grows with the actual depth in every layer
  // (see computeEquivalentDepth).
  if (layer <= 1 || g.continuousWall()) return sideDepth;
  return sideDepth - g.layers[layer].xTop + g.layers[layer].equivalentDepth;
}

namespace {

// Interpolation in the modification rows; 1.0 outside their depth range, the
// second row's value at a depth two consecutive rows share.
double modificationRowValue(const PYGeneration& g, double z, bool pColumn) {
  const BlockData& block = g.ctx.block;
  const int n = block.pyModCount;
  auto value = [&](int k) { return pColumn ? block.pyMods[k].pMultiplier : block.pyMods[k].yMultiplier; };
  if (n < 1 || z < block.pyMods[1].depth || z > block.pyMods[n].depth) return 1.0;
  if (z == block.pyMods[n].depth) return value(n);
  for (int k = 1; k < n; ++k) {
    const double d1 = block.pyMods[k].depth, d2 = block.pyMods[k + 1].depth;
    if (z >= d1 && z < d2) return value(k) + (z - d1) * (value(k + 1) - value(k)) / (d2 - d1);
  }
  return 1.0;  // rows out of depth order: no interval holds z
}

}  // namespace

double pMultiplierAt(const PYGeneration& g, double z) {
  if (g.ctx.block.pyModCount > 0) return modificationRowValue(g, z, true);
  const double R = g.spacingRatio;
  if (R >= 1.1 && R < 3.1 && z >= g.H) return 0.5292 * std::pow(R, 0.5659);
  return 1.0;
}

double yMultiplierAt(const PYGeneration& g, double z) {
  if (g.ctx.block.pyModCount > 0) return modificationRowValue(g, z, false);
  return 1.0;
}

void startLayerResistance(PYGeneration& g, int layer, const EquivalentDepthSoil& soil) {
  g.layers[layer].cumulativeResistance = 0.0;
  computeEquivalentDepth(g, layer, soil);
}

void LayerResistanceSum::add(PYLayer& l, int i, double x, double p) {
  if (i > 1) l.cumulativeResistance += 0.5 * (previousP_ + p) * (x - previousX_);
  previousX_ = x;
  previousP_ = p;
}

void LayerResistanceSum::addToLayerBottom(PYLayer& l, int i, double x, double p) {
  add(l, i, x, p);
  if (i == kCurveDepthsPerLayer) l.cumulativeResistance += (l.xBottom - x) * p;
}

void applyMultipliers(CurveSidePoints& side, double pmult, double ymult, double offset) {
  for (int i = 0; i < kSidePoints; ++i) {
    side.p[i] = pmult * side.p[i] + offset;
    side.y[i] = ymult * side.y[i];
  }
}

void writeSideHeading(PYGeneration& g, CurveSide side) {
  g.ctx.report.emptyLines(2);
  g.ctx.report.line(Line().b(9).text(side == CurveSide::Excavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE"));
}

void writeReportPoint(PYGeneration& g, double y, double p, ReportPointFormat format) {
  Line line;
  line.b(21);
  switch (format) {
    case ReportPointFormat::Fixed: line.F(y, 20, 5).F(p, 20, 5); break;
    case ReportPointFormat::Exponent: line.E(y, 20, 3).E(p, 20, 3); break;
    case ReportPointFormat::DoubleExponent: line.D(y, 20, 5).D(p, 20, 5); break;
  }
  g.ctx.report.line(line);
}

void writeReportPoints(PYGeneration& g, const CurveSidePoints& side, ReportPointFormat format) {
  for (int i = 0; i < kSidePoints; ++i) writeReportPoint(g, side.y[i], side.p[i], format);
}

void writeMultiplierLine(PYGeneration& g, double pmult, double ymult) {
  g.ctx.report.emptyLines(1);
  g.ctx.report.line(Line().b(21).text(" P-Multiplier = ").E(pmult, 10, 3).text(" Y-Multiplier = ").E(ymult, 10, 3));
}

void writeEquivalentDepthLine(PYGeneration& g, int layer, double equivalentDepth, double sideDepth) {
  g.ctx.report.line(Line().text(" XEQ").I(layer, 12).E(equivalentDepth, 16, 7).E(sideDepth, 16, 7));
}

void writeSoilDataHeader(PYGeneration& g, double depthBelowTop) {
  g.soilData.line(Line().E(depthBelowTop, 16, 8).I(kMaxCurvePoints, 6));
}

void writeSoilDataPoint(PYGeneration& g, int index, double p, double y, SoilDataFormat format) {
  Line line;
  line.I(index, 5);
  switch (format) {
    case SoilDataFormat::OneBlank: line.b(1).E(p, 10, 3).b(1).E(y, 10, 3); break;
    case SoilDataFormat::TwoBlanks: line.b(2).E(p, 10, 3).b(2).E(y, 10, 3); break;
    case SoilDataFormat::StrongRock: line.b(1).E(p, 10, 3).E(y, 10, 3); break;
  }
  g.soilData.line(line);
}

void writeSoilDataCurve(PYGeneration& g, double depthBelowTop, const PYCurvePair& pair, SoilDataFormat format) {
  writeSoilDataHeader(g, depthBelowTop);
  for (int i = 0; i < kSidePoints; ++i) writeSoilDataPoint(g, i + 1, pair.excavation.p[i], pair.excavation.y[i], format);
  for (int i = 0; i < kSidePoints; ++i) writeSoilDataPoint(g, i + 1, pair.backfill.p[i], pair.backfill.y[i], format);
}

void consoleLine(PYGeneration& g, std::string_view text) {
  if (g.console == nullptr) return;
  std::fwrite(text.data(), 1, text.size(), g.console);
  std::fputc('\n', g.console);
}

}  // namespace murena
