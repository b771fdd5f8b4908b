#pragma once
// Ultimate resistance of a frictional soil around a wall element: the wedge
// resistance near the surface and the flow-around resistance at depth (the
// friction share of sand and silt curves).
#include "engine/soil/py_generator_frame.h"

namespace murena {

// Angles and coefficients of a frictional soil with friction angle phi
// (radians); `pi` is the value of pi the calling generator works with.
struct FrictionCoefficients {
  double K0 = 0.4;     // at-rest coefficient
  double alpha = 0.0;  // wedge spread angle, phi / 2
  double beta = 0.0;   // wedge angle, pi / 4 + phi / 2
  double Ka = 0.0;     // tan^2(pi / 4 - phi / 2)
  double Kp = 0.0;     // tan^2(pi / 4 + phi / 2), used by the equivalent depth
};
FrictionCoefficients frictionCoefficients(double phi, double pi);

// Soil values of a frictional layer's first curve depth xa for its equivalent
// depth (the cohesion, where the soil has one, is left to the caller).
EquivalentDepthSoil frictionEquivalentDepthSoil(const FrictionCoefficients& k, double phi, double gammaAvg, double b,
                                                double xa);

struct FrictionResistance {
  double pst = 0.0;  // wedge resistance
  double psd = 0.0;  // flow-around resistance
  double ps = 0.0;   // the smaller of the two
};
// Resistance at depth xp of a wall element of width b in soil of average
// effective unit weight gammaAvg.
FrictionResistance frictionResistance(const FrictionCoefficients& k, double phi, double gammaAvg, double xp, double b);

// Passive coefficient for a vertical wall, level ground and wall friction
// delta (continuous walls).
double coulombPassiveCoefficient(double phi, double delta);

}  // namespace murena
