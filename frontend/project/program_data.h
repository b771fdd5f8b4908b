#pragma once
// The open project's scalar data: file name, title, unit system, option
// switches, every scalar input and the stage state.  Lengths and pressures are
// held in the data file's units (inches in English units, even where the
// dialogs show feet), so the writer writes them unconverted.
#include <array>
#include <string>

#include "common/unit_system.h"

namespace murena {

inline constexpr const char* kDefaultFileName = "NewWall.mr5d";
inline constexpr const char* kDefaultTitle = "New Wall";

struct TProgramData {
  std::string FileName = kDefaultFileName;
  std::string Title = kDefaultTitle;
  int UnitSystem = kEnglishUnits;

  int NodeCount = 0;
  double IncrementLength = 0;
  double MaxDeflection = 100;
  double DeflectionTolerance = 0.00001;
  double FreeHeight = 0;
  double ActiveWidth = 0;
  double PYWidth = 0;
  double WaterDepthBackfill = 0;
  double WaterDepthExcavation = 0;
  double ActivePressureFactor = 1;
  double BackfillSlope = 0;
  double SurfaceSurcharge = 0;
  // Single surcharge set of older files: distance X, point load, line load,
  // strip load, strip width.
  std::array<double, 5> LegacySurcharge{};
  int SoilFlag = 1;
  int EarthPressurePointCount = 0;

  int EarthPressureOption = 2;
  bool UserEarthPressure = false;
  bool GeneratedEarthPressure = false;
  bool GeneratePYCurves = true;
  bool ApplyPYCurves = false;
  bool ApplyEICurves = false;
  bool ApplyPYModifiers = false;
  bool ApplyConcentratedLoads = false;
  bool ApplySprings = false;
  bool ApplyTiebacks = false;
  bool ApplySurcharge = false;
  bool ApplyRestraints = false;
  bool LongTermAnalysis = false;

  // Derived by the writer just before a file is written.
  int EarthPressureCode = 0;
  int PYCurveCode = 0;
  int EICurveSetCount = 0;
  int TiebackCount = 0;

  int StageCount = 1;
  int CurrentStage = 1;
  std::string StageFileName;
};

// Indices into LegacySurcharge.
enum LegacySurchargeItem : int {
  kLegacyDistance = 0,
  kLegacyPointLoad = 1,
  kLegacyLineLoad = 2,
  kLegacyStripLoad = 3,
  kLegacyStripWidth = 4,
};

}  // namespace murena
