#include "frontend/views/deformed_shape.h"

#include <algorithm>
#include <cmath>

#include "frontend/results/graph_plot.h"

namespace murena::views {

const TLine* deformedShapeCurve(const TGraphPlot& deflectionGraph) {
  if (deflectionGraph.Curves.empty()) return nullptr;
  const TLine& last = deflectionGraph.Curves.back();
  return last.Points.size() > 1 ? &last : nullptr;
}

double deflectionAtNode(const TLine& curve, int node) {
  const auto& p = curve.Points;
  if (p.empty()) return 0;
  return p[std::min(static_cast<size_t>(std::max(node, 0)), p.size() - 1)].X;
}

namespace {

// 10^k, exact for the powers a factor can have.
double powerOfTen(int k) {
  double p = 1;
  for (int i = 0; i < k; ++i) p *= 10;
  for (int i = 0; i > k; --i) p /= 10;
  return p;
}

// d x 10^k, divided rather than multiplied for negative k so that 6 x 10^-1
// is the double nearest to 0.6.
double digitTimesPower(double digit, int k) { return k >= 0 ? digit * powerOfTen(k) : digit / powerOfTen(-k); }

// The factor's decimal exponent k and leading digit d (1..9).
void leadingDigit(double factor, int& k, int& d) {
  k = static_cast<int>(std::floor(std::log10(factor)));
  while (digitTimesPower(1, k + 1) <= factor) ++k;
  while (k > -320 && digitTimesPower(1, k) > factor) --k;
  d = static_cast<int>(std::floor(factor / digitTimesPower(1, k) + 1e-9));
  if (d < 1) d = 1;
  if (d > 9) d = 9;
}

bool usable(double factor) { return std::isfinite(factor) && factor > 0; }

}  // namespace

double stepFactorUp(double factor) {
  if (!usable(factor)) return 1;
  int k = 0, d = 0;
  leadingDigit(factor, k, d);
  return digitTimesPower(d + 1, k);
}

double stepFactorDown(double factor) {
  if (!usable(factor)) return 1;
  int k = 0, d = 0;
  leadingDigit(factor, k, d);
  return d > 1 ? digitTimesPower(d - 1, k) : digitTimesPower(9, k - 1);
}

}  // namespace murena::views
