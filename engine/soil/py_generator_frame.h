#pragma once
// The frame shared by the p-y curve generators of the seven soil types.
//
// How a generator uses it (one call per p-y layer, `layer` is 1-based):
//   LayerResistanceSum resistance;
//   for (int i = 1; i <= kCurveDepthsPerLayer; ++i) {
//     double x = curveDepth(g, layer, i);           // below the excavation level
//     ... evaluate the soil values once at x with strengthAt, averageUnitWeight,
//         frictionAngleAt, ... (excavation side, reused for the backfill side);
//     ... at i == 1 call startLayerResistance(g, layer, soil) (not for rock);
//     double pm = pMultiplierAt(g, g.H + x), ym = yMultiplierAt(g, g.H + x);
//     writeCurvePair(g, x, SoilDataFormat::OneBlank,
//                    [&](CurveSide side, double xa, CurveSidePoints& points) {
//       double xp = formulaDepth(g, layer, xa);
//       ... fill points with raw y, p ...
//       applyMultipliers(points, pm, ym, activeOffset(side, pa));  // p' = pm p -+ pa, y' = ym y
//       writeSideHeading(g, side); ... own column heading ...;
//       writeReportPoints(g, points, ReportPointFormat::Fixed);
//       writeMultiplierLine(g, pm, ym);             // clay, sand and silt only
//     });
//     resistance.add(g.layers[layer], i, x, excavationPu);  // not for rock
//   }
// (The clays compute both sides of a depth first, then write them in the
// same order.)
// All state lives in PYGeneration (one per generatePYCurves call, filled by
// readGenerationInputs and buildPYProfile); the report is g.ctx.report, the
// console stream g.console (stderr in a run), the soil-data file g.soilData.
// Look-ups stop the run (StopCode) where the profile ends; a generator only
// lets such stops pass.
#include <array>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/run_context.h"
#include "engine/text_output.h"

namespace murena {

constexpr int kMaxPYLayers = kMaxSoilLayers;
constexpr int kCurveDepthsPerLayer = 5;
constexpr int kSidePoints = 17;
constexpr int kMaxStrengthPoints = 2 * kMaxPYLayers;
// Two points per layer, two more where the water table lies inside a layer,
// two more added below the last layer.
constexpr int kMaxUnitWeightPoints = 4 * kMaxPYLayers + 2;
constexpr double kTinyDeflection = 1.0e-14;
constexpr double kDegreesToRadians = 3.1416 / 180.0;
// The soil-data file, written by the generation and read back by the engine.
constexpr const char* kSoilDataFile = "SOILDATA";

// One layer of the p-y profile; depths x below the excavation level.
struct PYLayer {
  int soilType = 0;
  double xTop = 0.0, xBottom = 0.0;
  double modulus = 0.0;               // modulus slot of the top row
  double cumulativeResistance = 0.0;  // written by the soil generators
  double equivalentDepth = 0.0;       // written by computeEquivalentDepth
};

// A point of the strength profile: values of one row of a layer.
struct StrengthPoint {
  double depth = 0.0;
  double strength = 0.0;
  double frictionAngle = 0.0;  // radians after set-up
  double strainSlot = 0.0;
  double coefficientSlot = 0.0;
};

struct UnitWeightPoint {
  double depth = 0.0;
  double unitWeight = 0.0;  // effective
};

// 17 points of one side, in the order generated.
struct CurveSidePoints {
  std::array<double, kSidePoints> y{}, p{};
};

struct PYCurvePair {
  CurveSidePoints excavation, backfill;
};

enum class CurveSide { Excavation, Backfill };

// State of one generatePYCurves call.
struct PYGeneration {
  explicit PYGeneration(RunContext& context) : ctx(context) {}
  PYGeneration(const PYGeneration&) = delete;
  PYGeneration& operator=(const PYGeneration&) = delete;

  RunContext& ctx;
  std::FILE* console = stderr;   // the console stream of the run
  TextOutput soilData;           // "soildata"

  int unitSystem = 1;            // 1 English, 2 SI, 3 other
  double H = 0.0;                // free height (excavation level below the top of the wall)
  double Wa = 0.0, Wp = 0.0;     // widths for earth pressure and for soil resistance
  double zwb = 0.0;              // backfill water table below the top of the wall
  double gammaW = 0.036;
  double eps = 0.1;              // curve-depth inset
  double h = 0.0;                // increment length
  double L = 0.0;                // wall length
  double spacingRatio = 1.0;     // R = Wa / Wp, at least 1
  double excavationStress = 0.0;

  int layerCount = 0;
  std::array<PYLayer, kMaxPYLayers + 1> layers{};  // 1..layerCount
  int strengthCount = 0;
  std::array<StrengthPoint, kMaxStrengthPoints + 1> strength{};  // 1..strengthCount
  int unitWeightCount = 0;
  std::array<UnitWeightPoint, kMaxUnitWeightPoints + 1> unitWeight{};  // 1..unitWeightCount

  bool continuousWall() const { return spacingRatio < 1.1; }
};

// --- Depths -------------------------------------------------------------

// Curve depth i (1..5) of a layer.
double curveDepth(const PYGeneration& g, int layer, int i);
// Depth entering the ultimate-resistance formulas for a side depth (x or H + x):
// the side depth in the first layer, else sideDepth - xTop + equivalentDepth.
double formulaDepth(const PYGeneration& g, int layer, double sideDepth);

// --- Multipliers at depth z below the top of the wall -------------------

double pMultiplierAt(const PYGeneration& g, double z);
double yMultiplierAt(const PYGeneration& g, double z);

// --- Profile look-ups (depth x below the excavation level) ---------------

double widthAt(const PYGeneration& g, double x);
// Below the last point: console warning and stop code "1".
double strengthAt(PYGeneration& g, double x);
// Below the last point: console warning and a stop without code.
double frictionAngleAt(PYGeneration& g, double x);
// Below the last point: the last point's value.
double strainSlotAt(const PYGeneration& g, double x);
double coefficientSlotAt(const PYGeneration& g, double x);
// Average strength of a layer between its top and x (report warning below the profile).
double averageStrength(PYGeneration& g, double x, int layer);
// Average effective unit weight from 0 to x; below the last point stop code "4".
double averageUnitWeight(const PYGeneration& g, double x);

enum class CoefficientTable { StaticA, StaticB };
double tableCoefficient(double z, double b, CoefficientTable table);
double stiffClayAs(double z, double b);

// Soil values at the layer's first curve depth that the equivalent depth needs.
struct EquivalentDepthSoil {
  double b = 0.0, c = 0.0, ca = 0.0, gamma = 0.0;             // clays, silt
  double phi = 0.0, alpha = 0.0, beta = 0.0;                   // sand, silt
  double K0 = 0.0, Ka = 0.0, Kp = 0.0;
  double xa = 0.0;  // excavation-side depth of the layer's first curve
};
// Sets g.layers[layer].equivalentDepth: 0 for the first layer, the layer's own
// top for a continuous wall.
void computeEquivalentDepth(PYGeneration& g, int layer, const EquivalentDepthSoil& soil);

// --- Resistance of a layer, for the equivalent depth of the layers below ---

// At a layer's first curve depth: its resistance starts from 0 and its
// equivalent depth is computed from the layers above.
void startLayerResistance(PYGeneration& g, int layer, const EquivalentDepthSoil& soil);

// Trapezoid sum of the excavation-side ultimate resistance p over the curve
// depths of one layer, kept in g.layers[layer].cumulativeResistance.
class LayerResistanceSum {
 public:
  // Curve depth i (1-based) at x: adds the share from the previous depth.
  void add(PYLayer& l, int i, double x, double p);
  // As add; at the last curve depth also the rest of the layer below it at p.
  void addToLayerBottom(PYLayer& l, int i, double x, double p);

 private:
  double previousX_ = 0.0, previousP_ = 0.0;
};

// --- Curve output ---------------------------------------------------------

// p' = pmult p + offset (offset -pa on the excavation side, +pa on the
// backfill side, 0 for rock), y' = ymult y, in place.
void applyMultipliers(CurveSidePoints& side, double pmult, double ymult, double offset);
// The active offset of a side: -pa in front of the wall, +pa behind it.
inline double activeOffset(CurveSide side, double pa) { return side == CurveSide::Excavation ? -pa : pa; }

// Two empty lines, 9 blanks, "AT THE EXCAVATION SIDE" / "AT THE BACKFILL SIDE".
void writeSideHeading(PYGeneration& g, CurveSide side);

// Report point lines: 21 blanks, then y' and p' as F20.5 (clays, sand),
// E20.3 (silt, weak rock) or D20.5 (strong rock).
enum class ReportPointFormat { Fixed, Exponent, DoubleExponent };
void writeReportPoint(PYGeneration& g, double y, double p, ReportPointFormat format);
void writeReportPoints(PYGeneration& g, const CurveSidePoints& side, ReportPointFormat format);

// An empty line, 21 blanks, " P-Multiplier = " E10.3 " Y-Multiplier = " E10.3.
void writeMultiplierLine(PYGeneration& g, double pmult, double ymult);

// A free-format report line: " XEQ", layer, equivalent depth, side depth.
void writeEquivalentDepthLine(PYGeneration& g, int layer, double equivalentDepth, double sideDepth);

// Soil-data file: header (depth below the top of the wall, 34), then 17 + 17
// point lines "I5, p', y'" with 1 blank + E10.3 each (OneBlank: clays, sand),
// 2 blanks + E10.3 each (TwoBlanks: silt, weak rock), or 1 blank, E10.3, E10.3
// (StrongRock).
enum class SoilDataFormat { OneBlank, TwoBlanks, StrongRock };
void writeSoilDataHeader(PYGeneration& g, double depthBelowTop);
void writeSoilDataPoint(PYGeneration& g, int index, double p, double y, SoilDataFormat format);
void writeSoilDataCurve(PYGeneration& g, double depthBelowTop, const PYCurvePair& pair, SoilDataFormat format);

// The curve pair of curve depth x: side(side, xa, points) is called for the
// excavation side (xa = x), then for the backfill side (xa = H + x), to fill
// the side's points and write its report lines; the pair then goes to the
// soil-data file at depth H + x.
template <class SideCurve>
void writeCurvePair(PYGeneration& g, double x, SoilDataFormat format, SideCurve&& side) {
  PYCurvePair pair;
  for (CurveSide s : {CurveSide::Excavation, CurveSide::Backfill}) {
    const bool excavation = s == CurveSide::Excavation;
    side(s, excavation ? x : g.H + x, excavation ? pair.excavation : pair.backfill);
  }
  writeSoilDataCurve(g, g.H + x, pair, format);
}

// A line on the console stream.
void consoleLine(PYGeneration& g, std::string_view text);

// --- Generators, one per soil type ----------------------------------------

void generateSoftClayCurves(PYGeneration& g, int layer);
void generateStiffClayFreeWaterCurves(PYGeneration& g, int layer);
void generateStiffClayNoFreeWaterCurves(PYGeneration& g, int layer);
void generateSandCurves(PYGeneration& g, int layer);
void generateSiltCurves(PYGeneration& g, int layer);
void generateStrongRockCurves(PYGeneration& g, int layer);
void generateWeakRockCurves(PYGeneration& g, int layer);

// --- Driver ----------------------------------------------------------------

// Takes H, the widths, the water table, the wall length and the constants of
// the unit system from ctx.block.
void readGenerationInputs(PYGeneration& g);
// Builds the profile from ctx.block (layers cut at H, ended at L + 2h,
// unit-weight and strength points); no output.
void buildPYProfile(PYGeneration& g);
// The whole generation: report block, "soildata" with the user sets of
// ctx.block.userSets ahead, every layer's curves.  The file is closed on return.
void generatePYCurves(RunContext& ctx);

}  // namespace murena
