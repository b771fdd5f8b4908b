// generatePYCurves: the profile, the soil-data report block, the head of the
// soil-data file with the user sets, and the curves of every layer.
#include <algorithm>
#include <cmath>

#include "engine/report_head.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/py_generator_frame.h"

namespace murena {

namespace {

const char* soilTypeLine(int type) {
  switch (type) {
    case 1: return "THE SOIL IS A SOFT CLAY";
    case 2: return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
    case 3: return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
    case 4: return "THE SOIL IS A SAND";
    case 5: return "THE SOIL IS A SILT";
    case 6: return "THE LAYER IS ROCK";
    case 7: return "THE LAYER IS WEAK ROCK";
    default: return nullptr;
  }
}

}  // namespace

void readGenerationInputs(PYGeneration& g) {
  const RunContext& ctx = g.ctx;
  const SoilRecord& soil = ctx.block.soil;
  g.unitSystem = ctx.block.control.units;
  g.H = soil.freeHeight;
  g.Wa = soil.activeWidth;
  g.Wp = soil.pyWidth;
  g.zwb = soil.waterDepthBackfill;
  const bool si = g.unitSystem == 2;
  g.gammaW = si ? 9.81 : 0.036;
  g.eps = si ? 0.01 : 0.1;
  g.h = ctx.block.wall.h;
  g.L = ctx.block.wall.NN * ctx.block.wall.h;
  g.spacingRatio = g.Wp > 0.0 ? std::max(g.Wa / g.Wp, 1.0) : 1.0;
  g.excavationStress = ctx.block.excavationStress;
}

namespace {

void writeProfileReport(PYGeneration& g) {
  TextOutput& out = g.ctx.report;
  const UnitLabels& u = g.ctx.labels;
  out.emptyLines(2);
  writeFramedHeading(out, "*        SOIL LAYERS AND STRENGTH DATA           *");
  out.emptyLines(1);

  out.emptyLines(1);
  out.line(Line().b(9).text("X AT THE SURFACE OF EXCAVATION SIDE     = ").F(g.H, 10, 2).text(u.lengthLabel));
  out.emptyLines(1);
  out.line(Line().b(9).I(g.layerCount, 1).text(" LAYER(S) OF SOIL"));
  for (int l = 1; l <= g.layerCount; ++l) {
    out.emptyLines(1);
    out.line(Line().b(9).text("LAYER").I(l, 3));
    if (const char* text = soilTypeLine(g.layers[l].soilType)) out.line(Line().b(9).text(text));
  }

  out.emptyLines(2);
  out.line(Line().b(9).text("DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH"));
  out.line(Line().b(27).I(g.unitWeightCount, 2).text(" POINTS"));
  out.emptyLines(1);
  out.line(Line().b(21).text("X,").text(u.lengthShort).b(3).text("WEIGHT,").text(u.shortUnitWeightLabel()));
  for (int k = 1; k <= g.unitWeightCount; ++k)
    out.line(Line().b(10).F(g.H + g.unitWeight[k].depth, 15, 4).D(g.unitWeight[k].unitWeight, 15, 4));

  out.emptyLines(2);
  out.line(Line().b(9).text("DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH"));
  out.line(Line().b(27).I(g.strengthCount, 2).text(" POINTS"));
  out.emptyLines(1);
  out.line(Line().b(21).text("X,").text(u.lengthShort).b(5).text("S,").text(u.shortStressLabel())
               .b(6).text("PHI,DEGREES").b(6).text("E50"));
  for (int k = 1; k <= g.strengthCount; ++k) {
    const StrengthPoint& p = g.strength[k];
    Line row;
    row.b(10).F(g.H + p.depth, 15, 2).b(2).D(p.strength, 13, 4).b(2).F(p.frictionAngle / kDegreesToRadians, 13, 3);
    if (p.strainSlot > 1.0e-6) row.D(p.strainSlot, 15, 4); else row.b(7).text("-----");
    out.line(row);
  }

  const BlockData& block = g.ctx.block;
  if (block.pyModCount > 0) {
    out.emptyLines(1);
    out.line(Line().b(9).text("REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS"));
    out.line(Line().b(7).b(33));
    out.line(Line().b(7).text("      DEPTH     P-FACTOR     Y-FACTOR        "));
    out.emptyLines(1);
    for (int k = 1; k <= block.pyModCount && k <= kMaxPYModRows; ++k) {
      const PYModRow& row = block.pyMods[k];
      out.line(Line().b(12).F(row.depth, 7, 2).b(4).F(row.pMultiplier, 6, 2).b(6).F(row.yMultiplier, 6, 2));
    }
  }

  out.emptyLines(2);
  out.line(Line().b(8).text("P-Y CURVES DATA"));
  out.emptyLines(1);
}

// Line 1 (the curve count) and the user sets, ahead of the generated curves.
void writeSoilDataHead(PYGeneration& g) {
  const BlockData& block = g.ctx.block;
  const int userSets = std::clamp(block.userCurveSetCount, 0, kMaxCurves);
  g.soilData.line(Line().I(userSets + kCurveDepthsPerLayer * g.layerCount, 12));
  for (int s = 1; s <= userSets; ++s) {
    const UserCurveSet& set = block.userSets[s];
    g.soilData.line(Line().I(set.node, 12).I(set.count, 12));
    for (int k = 1; k <= std::min(set.count, kMaxCurvePoints); ++k) g.soilData.line(Line().I(k, 12).E(set.p[k], 16, 8).E(set.y[k], 16, 8));
  }
}

void generateLayer(PYGeneration& g, int layer) {
  switch (g.layers[layer].soilType) {
    case 2: generateStiffClayFreeWaterCurves(g, layer); break;
    case 3: generateStiffClayNoFreeWaterCurves(g, layer); break;
    case 4: generateSandCurves(g, layer); break;
    case 5: generateSiltCurves(g, layer); break;
    case 6: generateStrongRockCurves(g, layer); break;
    case 7: generateWeakRockCurves(g, layer); break;
    default: generateSoftClayCurves(g, layer); break;  // type 1 and any other value
  }
}

}  // namespace

void generatePYCurves(RunContext& ctx) {
  PYGeneration g(ctx);
  g.soilData.open(kSoilDataFile);
  consoleLine(g, " READ SOIL DATA....");
  const int units = ctx.block.control.units;
  setUnitLabels(ctx.labels, units == 1 ? 1 : (units == 2 ? -1 : 0));
  readGenerationInputs(g);
  // Every resistance and coefficient is formed per unit of this width.
  if (!(g.Wp > 0.0)) throw InputError("     ERROR -- WIDTH FOR SOIL RESISTANCE, WP, MUST BE GREATER THAN 0 FOR GENERATED P-Y CURVES");
  buildPYProfile(g);
  writeProfileReport(g);
  writeSoilDataHead(g);
  for (int layer = 1; layer <= g.layerCount; ++layer) generateLayer(g, layer);
  g.soilData.close();
}

}  // namespace murena
