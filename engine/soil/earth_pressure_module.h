#pragma once
// The earth-pressure module: from the soil behind the wall, the water on both
// sides and the surcharges it builds the generated pressure profile of one
// analysis block and hands it back through "KESTRA.001".  All its state lives
// in one EarthPressureModule object made for each entry.
#include <array>
#include <string>
#include <vector>

#include "common/soil_layer_rows.h"
#include "engine/run_context.h"
#include "engine/text_output.h"
#include "engine/unit_labels.h"

namespace murena {

constexpr int kMaxPressureLayers = 21;
constexpr double kDepthTolerance = soilrows::kDepthTolerance;
// Below this free height the surcharge kernels (which divide by it) are undefined.
constexpr double kMinFreeHeight = 1.0e-6;
constexpr const char* kPressureProfileFile = "KESTRA.001";
constexpr const char* kDebugFile = "debug.dat";

// The single surcharge set the layer forces integrate: the legacy set, or the
// surcharge load echoed last.
struct SingleSurcharge {
  double distance = 0.0;
  double point = 0.0, line = 0.0, strip = 0.0;
  double stripWidth = 0.0;
};

struct InputSoilLayer {
  int type = 0;
  double thickness = 0.0;
  double unitWeight = 0.0, cohesion = 0.0, frictionAngle = 0.0, optionalCoefficient = 0.0;
};

// What the module receives from the block data.
struct EarthPressureInput {
  int unitSystem = 1;
  int pressureCode = 2;  // 2 triangular, 3 trapezoidal
  double freeHeight = 0.0;
  double activeWidth = 0.0, pyWidth = 0.0;
  double waterDepthBackfill = 0.0, waterDepthExcavation = 0.0;
  double activePressureFactor = 1.0;
  int soilFlag = 1;
  double backfillSlope = 0.0;
  double surfaceSurcharge = 0.0;
  SingleSurcharge legacySurcharge;
  int surchargeCount = 0;
  std::array<SurchargeLoad, kMaxSurcharges> surcharges{};
  int layerCount = 0;
  std::array<InputSoilLayer, kMaxSoilLayers> soilLayers{};
  double wallLength = 0.0;
  int supportCount = 0;
  double firstSupportDepth = 0.0, lastSupportDepth = 0.0;
};

struct PressureLayer {
  double thickness = 0.0, topDepth = 0.0;
  double unitWeight = 0.0, cohesion = 0.0, frictionAngle = 0.0, optionalCoefficient = 0.0;
  bool drained = false, belowWater = false;
  double activeFactor = 1.0;
  double sqrtKa = 0.0, Ka = 0.0, Kp = 0.0;
  double sigmaV = 0.0;  // effective vertical stress at the layer top, backfill side
  // Layer and water forces (INITIAL / FORCES).
  double forceOverburden = 0.0, forceWeight = 0.0, forceCohesion = 0.0, forceTension = 0.0;
  double depthUniform = 0.0, depthTriangle = 0.0, depthTension = 0.0;
  double waterUniform = 0.0, waterTriangle = 0.0;
  double tensionDepth = 0.0;
};

struct ProfilePoint {
  double depth = 0.0, totalPressure = 0.0, earthPressure = 0.0, surchargePressure = 0.0;
};

struct EarthPressureModule {
  EarthPressureModule(TextOutput& reportFile, TextOutput& notesFile, const UnitLabels& unitLabels)
      : report(reportFile), notes(notesFile), labels(unitLabels) {}

  TextOutput& report;
  TextOutput& notes;
  const UnitLabels& labels;

  EarthPressureInput in;
  double gammaW = 0.036;
  int n = 0;  // pressure layers 1..n; n+1 holds the bottom of the profile as its top
  std::array<PressureLayer, kMaxPressureLayers + 2> layers{};
  int excavationLayer = 0, waterLayer = 0;
  bool overflow = false;
  SingleSurcharge current;
  int soilFlag = 1;
  double excavationStress = 0.0;
  double thrust = 0.0;        // thrust sum P above the excavation level
  std::vector<ProfilePoint> profile;  // points 1..N at indices 0..N-1
};

// Hand-over: the module's input from the block data.
EarthPressureInput makeEarthPressureInput(const RunContext& ctx);

// The steps of the module, in the order computeEarthPressure runs them.
void handOver(EarthPressureModule& m, const EarthPressureInput& in);
void splitPressureLayers(EarthPressureModule& m);
void OUTPT(EarthPressureModule& m);        // echo; throws StopCode "1" / "2"
void INITIAL(EarthPressureModule& m);
void START(EarthPressureModule& m);        // overburden stress and coefficients
void FORCES(EarthPressureModule& m);
void writePressureProfile(EarthPressureModule& m);

// Checks that stop the block before any division by an undefined quantity:
// surcharge loads with no free height, a trapezoid with no support.
void checkPressureInput(EarthPressureModule& m);

// The whole module for the current block: writes the report blocks, the
// profile file and sets ctx.block.excavationStress.
void computeEarthPressure(RunContext& ctx);

}  // namespace murena
