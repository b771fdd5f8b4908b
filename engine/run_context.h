#pragma once
// Everything one engine run knows: its files, the run-level counters and the
// data of the current analysis block.  One RunContext is created per call of
// the entry and destroyed when it returns; nothing lives in statics.
#include <array>
#include <string>

#include "engine/free_format_reader.h"
#include "engine/text_output.h"
#include "engine/unit_labels.h"

namespace murena {

// Store sizes.  Counts beyond them end the run with a message.
constexpr int kMaxIncrements = 406;        // station arrays hold storage indices 1..413
// Index 0 unused, 1..413 used; one more so that the neighbours of station
// NN+3 (a slope restraint there, its curvature) stay inside the store.
constexpr int kStorageSize = kMaxIncrements + 9;
constexpr int kMaxRestraints = 20;
constexpr int kMaxTiebacks = 20;
constexpr int kMaxPYModRows = 50;
constexpr int kMaxMomentEISets = 20;
constexpr int kMaxMomentEIPoints = 100;
constexpr int kMaxConcentratedLoads = 1000;  // couple records, one per load row
constexpr int kMaxSurcharges = 20;
constexpr int kMaxSoilLayers = 20;
constexpr int kMaxProfilePoints = 1999;
constexpr int kMaxCurves = 400;            // curves the engine accepts
constexpr int kMaxCurvePoints = 34;
constexpr int kResultRows = kMaxIncrements + 2;

// Control line (record 2).
struct ControlData {
  int units = 1;
  int restraintCount = 0;
  int sectionCount = 0;
  int pyModCount = 0;
  int earthPressureCode = 0;
  int pyCode = 0;
  int pyCurveSetCount = 0;
  int stageCount = 1;
  int momentEISetCount = 0;
  int tiebackCount = 0;
};

// Wall line (record 3) and its derived values.
struct WallData {
  int NN = 0;                 // number of increments
  double h = 0.0;             // increment length
  double maxDeflection = 0.0;
  double tolerance = 0.0;
  double freeHeight = 0.0;    // excavation depth below the top of the wall
  double activeWidth = 0.0;   // Wa of the wall line
  double twoH = 0.0, hSquared = 0.0, hCubed = 0.0;
  double wallLength = 0.0;    // NN * h
};

// Per-station arrays, storage index k = station + 4 (1..NN+7).
struct StationArrays {
  std::array<double, kStorageSize> EI{}, Q{}, S{}, T{}, R{}, P{};
  std::array<int, kStorageSize> code{};  // 1 free, 2 defl., 3 above slope, 4 defl.+slope, 5 below slope
};

struct RestraintRecord { double deflection = 0.0, slope = 0.0; };
struct CoupleRecord { int station = 0; double force = 0.0; };

struct TiebackRecord {
  int station = 0;
  double depth = 0.0;          // as read (feet in English units)
  double area = 0.0, modulus = 0.0, unbondedLength = 0.0;
  double angleDeg = 0.0, angleRad = 0.0, spacing = 0.0, prestress = 0.0;
  double stiffness = 0.0;      // transverse spring stiffness S of the station
  double load = 0.0;           // prestress load Q of the station
};

struct PYModRow { double depth = 0.0, pMultiplier = 1.0, yMultiplier = 1.0; };

struct MomentEISet {
  int from = 0, to = 0, count = 0;
  std::array<double, kMaxMomentEIPoints> M{}, E{};
};

// Record 11: soil-and-water record, legacy surcharge, surcharge table, layers.
struct SurchargeLoad { int type = 0; double magnitude = 0.0, distance = 0.0, width = 0.0; };

struct SoilLayerRecord {
  int type = 0;
  double bottomDepth = 0.0;   // below the top of the wall, as read
  double thickness = 0.0;     // difference of successive bottom depths
  std::array<double, 6> top{}, bottom{};  // parameter rows at the top and bottom of the layer
};

struct SoilRecord {
  bool present = false;        // record 11 was read in this block
  double freeHeight = 0.0, activeWidth = 0.0, pyWidth = 0.0;
  double waterDepthBackfill = 0.0, waterDepthExcavation = 0.0;
  double activePressureFactor = 1.0;
  int soilFlag = 1;
  double backfillSlope = 0.0;
  double surfaceSurcharge = 0.0;
  double legacyDistance = 0.0, legacyPoint = 0.0, legacyLine = 0.0, legacyStrip = 0.0, legacyStripWidth = 0.0;
  int surchargeCount = 0;
  std::array<SurchargeLoad, kMaxSurcharges> surcharges{};
  int layerCount = 0;
  std::array<SoilLayerRecord, kMaxSoilLayers> layers{};
};

// Pressure profile of the block (user points or the generated profile).
struct PressureProfile {
  int count = 0;
  std::array<double, kMaxProfilePoints + 1> depth{}, total{}, soil{}, surcharge{};  // points 1..count
  int printStep = 1;
  int printedCount = 0;
  double deepestPressure = 0.0;  // handed to the p-y generators
};

// p-y curve store: curves 1..count, points 1..pointCount, increasing y; p is
// force per station (resistance per unit length times h).
struct PYCurveStore {
  int count = 0;
  std::array<int, kMaxCurves + 1> pointCount{}, flag{}, startIndex{}, endIndex{};
  std::array<std::array<double, kMaxCurvePoints + 1>, kMaxCurves + 1> y{}, p{};
};

// A user p-y curve set handed to the p-y generator (multipliers applied).
struct UserCurveSet {
  int node = 0;
  int count = 0;
  double pMultiplier = 1.0, yMultiplier = 1.0;
  std::array<double, kMaxCurvePoints + 1> y{}, p{};  // points 1..count
};

// All input-derived data of the current analysis block, rebuilt per block.
struct BlockData {
  ControlData control;
  WallData wall;
  StationArrays st;
  int restraintRecords = 0;
  std::array<RestraintRecord, kMaxRestraints + 1> restraints{};  // 1-based
  int coupleCount = 0;
  std::array<CoupleRecord, kMaxConcentratedLoads + 1> couples{};
  int tiebackCount = 0;
  std::array<TiebackRecord, kMaxTiebacks + 1> tiebacks{};
  int supportCount = 0;
  double firstSupportDepth = 0.0, lastSupportDepth = 0.0;
  int pyModCount = 0;
  std::array<PYModRow, kMaxPYModRows + 1> pyMods{};
  int momentEISetCount = 0;
  std::array<MomentEISet, kMaxMomentEISets + 1> momentEISets{};
  SoilRecord soil;
  PressureProfile profile;
  double excavationStress = 0.0;  // effective vertical stress at the excavation, from the earth-pressure module
  int userCurveSetCount = 0;
  std::array<UserCurveSet, kMaxCurves + 1> userSets{};  // user sets of branch C, 1-based
  PYCurveStore curves;
};

// Station results kept for the plot data file (rows 1..rowCount, station j = row - 1).
struct StationResults {
  int rowCount = 0;
  std::array<double, kResultRows + 1> x{}, deflection{}, moment{}, shear{}, reaction{};
};

struct RunContext {
  // Files of the run.
  FreeFormatReader input;
  TextOutput report, plot, notes;
  std::string versionText;  // 12 characters
  std::string inputPath, reportPath, plotPath, notesPath;

  // Run-level state.
  int blockNumber = 0;
  std::string blockTitle, firstTitle;  // 70 characters each
  int resultSetCount = 1;
  int blockEndMarker = 0;
  int unitSign = 0;
  int plotUnits = 1;
  UnitLabels labels;

  BlockData block;
  StationResults results;
  std::array<double, kStorageSize> deflection{};  // W, survives into the next block
};

}  // namespace murena
