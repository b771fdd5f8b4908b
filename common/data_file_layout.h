#pragma once
// Layout constants of the input data file shared by the engine (reader) and
// the front end (writer and reader).
namespace murena::layout {

// Earth-pressure codes of the control line.
enum EarthPressureCode : int { kNoEarthPressure = 0, kUserPressure = 1, kTriangularPressure = 2, kTrapezoidalPressure = 3 };
// p-y curve codes of the control line.
enum PYCurveCode : int { kNoCurves = 0, kUserCurvesOnly = 1, kGeneratedCurves = 2 };
// Line modes of the distributed tables (wall stiffness, concentrated loads, springs).
enum LineMode : int { kConstantLine = 1, kInterpolateLine = 2 };
// Restraint cases.
enum RestraintCase : int { kSpecifyDeflection = 1, kSpecifySlope = 2 };
// Surcharge types.
enum SurchargeType : int { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };

// Block-end markers (the item after record 13).
constexpr int kEndOfData = 0;
constexpr int kLongTermFollows = 9;

constexpr int kMaxStages = 5;
constexpr int kParametersPerSoilRow = 6;

// Placeholder written for a soil parameter that does not apply to the soil type.
constexpr const char* kParameterPlaceholder = "0.0  ";

// Version text written on line 1 of the run-control file.
constexpr const char* kVersionText = "2015.5.12";

}  // namespace murena::layout
