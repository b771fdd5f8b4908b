#pragma once
// Raw p-y curves of the three clays at one side depth, before multipliers and
// offsets (the generators in py_clay_curves.cpp add those and the output).
#include "engine/soil/py_generator_frame.h"

namespace murena {

// Soil values of one curve depth, evaluated on the excavation side.
struct ClaySoil {
  double b = 0.0;      // width for soil resistance
  double c = 0.0;      // strength at the curve depth
  double ca = 0.0;     // average strength (stiff clays)
  double gamma = 0.0;  // average effective unit weight
  double eps50 = 0.0;  // strain at 50 % of the strength
  double k = 0.0;      // initial modulus of subgrade reaction
};

struct ClaySide {
  double pu = 0.0;  // ultimate resistance (pc of stiff clay with free water)
  double k0 = 0.0;  // secant modulus used below the tiny deflection
  double As = 0.0;  // stiff clay with free water
  CurveSidePoints points;
};

// xp: depth of the resistance formulas; xa: the side's depth below its surface.
ClaySide softClaySide(const ClaySoil& s, double xp, double xa, bool continuousWall);
ClaySide stiffClayFreeWaterSide(const ClaySoil& s, double xp, double xa, bool continuousWall);
ClaySide stiffClayNoFreeWaterSide(const ClaySoil& s, double xp, double xa, bool continuousWall);

}  // namespace murena
