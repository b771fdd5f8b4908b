#include "engine/soil/py_sand_resistance.h"

#include <algorithm>
#include <cmath>

namespace murena {

FrictionCoefficients frictionCoefficients(double phi, double pi) {
  FrictionCoefficients k;
  k.alpha = phi / 2.0;
  k.beta = pi / 4.0 + phi / 2.0;
  const double ta = std::tan(pi / 4.0 - phi / 2.0);
  k.Ka = ta * ta;
  const double tp = std::tan(pi / 4.0 + phi / 2.0);
  k.Kp = tp * tp;
  return k;
}

EquivalentDepthSoil frictionEquivalentDepthSoil(const FrictionCoefficients& k, double phi, double gammaAvg, double b,
                                                double xa) {
  EquivalentDepthSoil soil;
  soil.b = b;
  soil.gamma = gammaAvg;
  soil.phi = phi;
  soil.alpha = k.alpha;
  soil.beta = k.beta;
  soil.K0 = k.K0;
  soil.Ka = k.Ka;
  soil.Kp = k.Kp;
  soil.xa = xa;
  return soil;
}

FrictionResistance frictionResistance(const FrictionCoefficients& k, double phi, double gammaAvg, double xp, double b) {
  const double tanPhi = std::tan(phi);
  const double tanBeta = std::tan(k.beta);
  const double tanAlpha = std::tan(k.alpha);
  const double sinBeta = std::sin(k.beta);
  const double tanBetaMinusPhi = std::tan(k.beta - phi);
  FrictionResistance r;
  r.pst = gammaAvg * xp *
          (k.K0 * xp * tanPhi * sinBeta / (tanBetaMinusPhi * std::cos(k.alpha)) +
           tanBeta / tanBetaMinusPhi * (b + xp * tanBeta * tanAlpha) +
           k.K0 * xp * tanBeta * (tanPhi * sinBeta - tanAlpha) - k.Ka * b);
  r.psd = k.Ka * b * gammaAvg * xp * (std::pow(tanBeta, 8) - 1.0) +
          k.K0 * b * gammaAvg * xp * tanPhi * std::pow(tanBeta, 4);
  r.ps = std::min(r.pst, r.psd);
  return r;
}

double coulombPassiveCoefficient(double phi, double delta) {
  const double cosPhi = std::cos(phi);
  const double root = 1.0 - std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
  return cosPhi * cosPhi / (std::cos(delta) * root * root);
}

}  // namespace murena
