// Look-ups of soil values along the p-y profile, the coefficient tables and
// the equivalent depth of a lower layer.
#include <cmath>

#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/py_generator_frame.h"

namespace murena {

namespace {

constexpr double kZeroValue = 1.0e-20;
constexpr double kZeroDepth = 1.0e-6;
constexpr double kLayerTopDepth = 1.0e-5;

enum class Slot { Strength, FrictionAngle, StrainSlot, CoefficientSlot };

double slotValue(const StrengthPoint& point, Slot slot) {
  switch (slot) {
    case Slot::Strength: return point.strength;
    case Slot::FrictionAngle: return point.frictionAngle;
    case Slot::StrainSlot: return point.strainSlot;
    case Slot::CoefficientSlot: return point.coefficientSlot;
  }
  return 0.0;
}

// First point k (2..n) whose depth is not less than x; 0 when x lies below the last point.
int findPoint(const PYGeneration& g, double x) {
  for (int k = 2; k <= g.strengthCount; ++k)
    if (g.strength[k].depth >= x) return k;
  return 0;
}

// Value of the strength-point list at x, given the point k found for x.
double pointValue(const PYGeneration& g, double x, int k, Slot slot) {
  const StrengthPoint& pk = g.strength[k];
  const double vk = slotValue(pk, slot);
  if (x == pk.depth) {
    if (k == g.strengthCount || g.strength[k + 1].depth != pk.depth) return vk;
    // A layer boundary: two rows meet at this depth.
    const double vNext = slotValue(g.strength[k + 1], slot);
    if (slot == Slot::Strength) return vNext < kZeroValue ? vk : vNext;
    // A vanishing value takes the other side's; when both vanish, the upper one.
    if (vNext < kZeroValue) return vk;
    if (vk < kZeroValue) return vNext;
    return 0.5 * (vk + vNext);
  }
  const StrengthPoint& pPrev = g.strength[k - 1];
  const double span = pk.depth - pPrev.depth;
  const double vPrev = slotValue(pPrev, slot);
  if (span == 0.0) return vk;
  return vPrev + (x - pPrev.depth) * (vk - vPrev) / span;
}

// Console warning for a look-up below the strength profile, written twice.
void writeBeyondProfileWarning(PYGeneration& g, double x, std::string_view beyondText, std::string_view curveText) {
  for (int i = 0; i < 2; ++i) {
    consoleLine(g, "");
    consoleLine(g, Line().b(29).text("**** WARNING ****").str());
    consoleLine(g, Line().b(5).text("THE VALUE OF X =").D(x, 9, 1).text(beyondText).str());
    consoleLine(g, Line().b(5).text(curveText).str());
  }
}

double lastPointValue(const PYGeneration& g, Slot slot) {
  if (g.strengthCount < 1) return 0.0;
  return slotValue(g.strength[g.strengthCount], slot);
}

double lookup(const PYGeneration& g, double x, Slot slot) {
  if (g.strengthCount < 2) return lastPointValue(g, slot);
  const int k = findPoint(g, x);
  if (k == 0) return lastPointValue(g, slot);
  return pointValue(g, x, k, slot);
}

}  // namespace

double widthAt(const PYGeneration& g, double) { return g.Wp; }

double strengthAt(PYGeneration& g, double x) {
  if (g.strengthCount >= 2 && findPoint(g, x) == 0) {
    writeBeyondProfileWarning(g, x, "IS BEYOND THE EXTENT OF", "THE INPUT STRENGTH CURVE");
    throw StopCode{"1", "A P-Y CURVE DEPTH LIES BELOW THE END OF THE STRENGTH PROFILE"};
  }
  return lookup(g, x, Slot::Strength);
}

double frictionAngleAt(PYGeneration& g, double x) {
  if (g.strengthCount >= 2 && findPoint(g, x) == 0) {
    writeBeyondProfileWarning(g, x, " IS BEYOND THE EXTENT OF", "THE INPUT PHI CURVE");
    throw StopCode{"", "A P-Y CURVE DEPTH LIES BELOW THE END OF THE FRICTION-ANGLE PROFILE"};
  }
  return lookup(g, x, Slot::FrictionAngle);
}

double strainSlotAt(const PYGeneration& g, double x) { return lookup(g, x, Slot::StrainSlot); }

double coefficientSlotAt(const PYGeneration& g, double x) { return lookup(g, x, Slot::CoefficientSlot); }

double averageStrength(PYGeneration& g, double x, int layer) {
  if (x < 0.0) return 0.0;
  const PYLayer& l = g.layers[layer];
  if (x - l.xTop < kLayerTopDepth) return strengthAt(g, x);
  const StrengthPoint& top = g.strength[2 * layer - 1];
  const StrengthPoint& bottom = g.strength[2 * layer];
  if (g.strengthCount >= 1 && x > g.strength[g.strengthCount].depth) {
    g.ctx.report.emptyLines(1);
    g.ctx.report.line(Line().b(29).text("**** WARNING ****").b(5).text("THE VALUE OF X =").E(x, 9, 2)
                          .text("IS BEYOND THE EXTENT OF THE/").b(5).text("INPUT CURVE FOR STRENGTH"));
  }
  const double thickness = bottom.depth - top.depth;
  if (thickness < kZeroDepth) return 0.0;
  const double cx = top.strength + (x - top.depth) * (bottom.strength - top.strength) / thickness;
  return 0.5 * (top.strength + cx);
}

double averageUnitWeight(const PYGeneration& g, double x) {
  if (x < 0.0) return 0.0;
  const int n = g.unitWeightCount;
  if (n < 1) return 0.0;
  if (x < kZeroDepth) {
    for (int k = 1; k <= n; ++k)
      if (g.unitWeight[k].unitWeight > 0.0) return g.unitWeight[k].unitWeight;
    return g.unitWeight[n].unitWeight;
  }
  if (x > g.unitWeight[n].depth) throw StopCode{"4", "A P-Y CURVE DEPTH LIES BELOW THE END OF THE UNIT-WEIGHT PROFILE"};
  double integral = 0.0;
  for (int k = 2; k <= n; ++k) {
    const UnitWeightPoint& a = g.unitWeight[k - 1];
    const UnitWeightPoint& b = g.unitWeight[k];
    if (a.depth >= x) break;
    const double span = b.depth - a.depth;
    if (span < kZeroDepth) continue;  // a jump or a vanishing segment
    if (b.depth <= x) {
      integral += 0.5 * (a.unitWeight + b.unitWeight) * span;
    } else {
      const double wx = a.unitWeight + (x - a.depth) * (b.unitWeight - a.unitWeight) / span;
      integral += 0.5 * (a.unitWeight + wx) * (x - a.depth);
      break;
    }
  }
  return integral / x;
}

double tableCoefficient(double z, double b, CoefficientTable table) {
  static constexpr std::array<double, 10> kGrid{0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
  static constexpr std::array<double, 10> kA{2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
  static constexpr std::array<double, 10> kB{2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50};
  const auto& values = table == CoefficientTable::StaticA ? kA : kB;
  const double r = z / b;
  size_t k = kGrid.size() - 1;
  for (size_t i = 1; i < kGrid.size(); ++i)
    if (r < kGrid[i]) { k = i; break; }
  return values[k - 1] + (r - kGrid[k - 1]) * (values[k] - values[k - 1]) / (kGrid[k] - kGrid[k - 1]);
}

double stiffClayAs(double z, double b) {
  static constexpr std::array<double, 6> kGrid{0.0, 1.0, 2.0, 3.0, 4.0, 5.0};
  static constexpr std::array<double, 6> kAs{0.223, 0.46, 0.55, 0.59, 0.60, 0.60};
  const double r = z / b;
  if (r > 5.0) return 0.60;
  size_t k = kGrid.size() - 1;
  for (size_t i = 1; i < kGrid.size(); ++i)
    if (r < kGrid[i]) { k = i; break; }
  return kAs[k - 1] + (r - kGrid[k - 1]) * (kAs[k] - kAs[k - 1]) / (kGrid[k] - kGrid[k - 1]);
}

namespace {

// Soft clay and stiff clay without free water: the resistance 3 c b + gamma' b x
// + 0.5 c x (integral I up to xLimit) and the deep value 9 c b below it.
double clayEquivalentDepth(double F, double c, double b, double gamma, double xLimit) {
  const double I = 3.0 * c * b * xLimit + gamma * b * xLimit * xLimit / 2.0 + c * xLimit * xLimit / 4.0;
  if (F > I) return xLimit + (F - I) / (9.0 * c * b);
  const double a = gamma * b / 2.0 + c / 4.0;
  const double linear = 3.0 * c * b;
  if (a == 0.0) return linear != 0.0 ? F / linear : 0.0;
  return (-linear + std::sqrt(linear * linear + 4.0 * a * F)) / (2.0 * a);
}

double stiffClayFreeWaterEquivalentDepth(double F, const EquivalentDepthSoil& s) {
  const double xmax = (11.0 * s.c * s.b - 2.0 * s.ca * s.b) / (s.gamma * s.b + 2.83 * s.ca);
  const double dx = xmax / 40.0;
  double S = 0.0, f = 0.0;
  for (int i = 1; i <= 40; ++i) {
    const double xi = i * dx;
    const double As = stiffClayAs(xi, s.b);
    f = 1.225 * std::sqrt(As) - 0.75 * As - 0.411;
    const double previous = S;
    S += (2.0 * s.ca * s.b + s.gamma * s.b * xi + 2.83 * s.ca * xi) * f * dx;
    if (S > F) return xi - dx * (S - F) / (S - previous);
  }
  return xmax + (F - S) / (11.0 * s.c * s.b * f);
}

// Sand and silt: the wedge resistance A pst integrated in steps, the flow-around
// resistance 0.88 psd beyond.  Silt too builds up only this friction share: its
// curves' ultimate resistance, which the layers above are summed with, holds
// no cohesion share.
double frictionalEquivalentDepth(double F, const EquivalentDepthSoil& s, int steps) {
  const double C1 = std::tan(s.beta) * (s.K0 * (std::tan(s.phi) * std::sin(s.beta) * (1.0 / std::cos(s.alpha) + 1.0) -
                                                std::tan(s.alpha)) + s.Kp * std::tan(s.alpha));
  const double C2 = s.Kp * s.Kp * (s.Kp + s.K0 * std::tan(s.phi)) - s.Ka;
  const double xs = (C2 - (s.Kp - s.Ka)) * s.b / C1;
  const double dx = xs / steps;
  double S = 0.0;
  for (int i = 1; i <= steps; ++i) {
    const double xi = i * dx;
    const double A = tableCoefficient(xi, s.b, CoefficientTable::StaticA);
    const double step = A * s.gamma * ((s.Kp - s.Ka) * s.b * xi + C1 * xi * xi);
    const double previous = S;
    S += step * dx;
    if (S > F) return xi - dx * (S - F) / (S - previous);
  }
  return xs + (F - S) / (0.88 * C2 * s.gamma * s.b * s.xa);
}

}  // namespace

void computeEquivalentDepth(PYGeneration& g, int layer, const EquivalentDepthSoil& s) {
  double F = 0.0;
  for (int l = 1; l < layer; ++l) {
    const int type = g.layers[l].soilType;
    if (type != 6 && type != 7) F += g.layers[l].cumulativeResistance;
  }
  double xeq = 0.0;
  if (layer > 1 && g.continuousWall()) {
    // The plane-strain resistance of a continuous wall is written with the
    // actual depth below the surface, never with an equivalent one; equating
    // the layers above with the pile formulas instead would give an identical
    // soil split into two layers a shallower depth, and so a softer initial
    // line, in its lower part.  A lower layer therefore goes on at its own top.
    xeq = g.layers[layer].xTop;
  } else if (layer > 1 && F > 0.0) {
    switch (g.layers[layer].soilType) {
      case 2: xeq = stiffClayFreeWaterEquivalentDepth(F, s); break;
      case 3:
        xeq = clayEquivalentDepth(F, s.c, s.b, s.gamma, (9.0 * s.c * s.b - 3.0 * s.ca * s.b) / (s.gamma * s.b + 0.5 * s.c));
        break;
      case 4: xeq = frictionalEquivalentDepth(F, s, 100); break;
      case 5: xeq = frictionalEquivalentDepth(F, s, 50); break;
      default: xeq = clayEquivalentDepth(F, s.c, s.b, s.gamma, 6.0 * s.c * s.b / (s.gamma * s.b + 0.5 * s.c)); break;
    }
  }
  if (!std::isfinite(xeq)) xeq = 0.0;
  g.layers[layer].equivalentDepth = xeq;
}

}  // namespace murena
