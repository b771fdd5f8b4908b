// The p-y profile below the excavation level: layers, strength points and
// effective unit-weight points.
#include <algorithm>

#include "common/soil_layer_rows.h"
#include "engine/soil/py_generator_frame.h"

namespace murena {

namespace {

enum Slot { kUnitWeight = 0, kStrength = 1, kFriction = 2, kStrain = 3, kModulus = 4, kCoefficient = 5 };

StrengthPoint strengthRow(double x, const std::array<double, 6>& row) {
  StrengthPoint point;
  point.depth = x;
  point.strength = row[kStrength];
  point.frictionAngle = row[kFriction];
  point.strainSlot = row[kStrain];
  point.coefficientSlot = row[kCoefficient];
  return point;
}

void addUnitWeight(PYGeneration& g, double x, double unitWeight) {
  if (g.unitWeightCount >= kMaxUnitWeightPoints) return;
  g.unitWeight[++g.unitWeightCount] = UnitWeightPoint{x, unitWeight};
}

// Effective unit-weight points of one layer.  A layer top at or below the
// water table is submerged; a layer cut by the water table is dry above it and
// carries its own submerged unit weight below it.
void addLayerUnitWeights(PYGeneration& g, const PYLayer& layer, double gamma) {
  const double zTop = g.H + layer.xTop, zBottom = g.H + layer.xBottom;
  const double submerged = gamma - g.gammaW;
  addUnitWeight(g, layer.xTop, zTop >= g.zwb ? submerged : gamma);
  if (zTop < g.zwb && g.zwb < zBottom) {
    const double xWater = g.zwb - g.H;
    addUnitWeight(g, xWater, gamma);
    addUnitWeight(g, xWater, submerged);
    addUnitWeight(g, layer.xBottom, submerged);
  } else {
    addUnitWeight(g, layer.xBottom, zBottom > g.zwb ? submerged : gamma);
  }
}

}  // namespace

void buildPYProfile(PYGeneration& g) {
  const SoilRecord& soil = g.ctx.block.soil;
  const double zEnd = g.L + 2.0 * g.h;  // end of the profile below the top of the wall
  constexpr double tol = soilrows::kDepthTolerance;
  g.layerCount = 0;
  g.strengthCount = 0;
  g.unitWeightCount = 0;

  // Depths are matched within the tolerance (12 x 0.4 is not 4.8 in binary),
  // so no layer thinner than it is made at the excavation or the profile end.
  double zTop = 0.0;
  const int inputCount = std::clamp(soil.layerCount, 0, kMaxSoilLayers);
  for (int i = 0; i < inputCount && g.layerCount < kMaxPYLayers; ++i) {
    const SoilLayerRecord& input = soil.layers[i];
    if (input.thickness <= 0.0) break;  // the layer list ends here
    const double zBottom = zTop + input.thickness;
    if (zBottom <= g.H + tol) {
      zTop = zBottom;
      continue;
    }
    const double zFrom = zTop < g.H + tol ? g.H : zTop;
    if (zFrom >= zEnd - tol) break;

    PYLayer& layer = g.layers[++g.layerCount];
    layer = PYLayer{};
    layer.soilType = input.type;
    layer.modulus = input.top[kModulus];
    layer.xTop = zFrom - g.H;
    std::array<double, 6> bottomRow = input.bottom;
    const bool endsProfile = zBottom >= zEnd - tol;
    if (zBottom > zEnd + tol) {
      // Cut at the end of the profile: the bottom values at the new depth.
      const double t = (zEnd - zTop) / (zBottom - zTop);
      for (int s = 0; s < 6; ++s) bottomRow[s] = input.top[s] + t * (input.bottom[s] - input.top[s]);
    }
    layer.xBottom = (endsProfile ? zEnd : zBottom) - g.H;

    g.strength[++g.strengthCount] = strengthRow(layer.xTop, input.top);
    g.strength[++g.strengthCount] = strengthRow(layer.xBottom, bottomRow);
    addLayerUnitWeights(g, layer, input.top[kUnitWeight]);

    zTop = zBottom;
    if (endsProfile) break;
  }

  for (int k = 1; k <= g.strengthCount; ++k) g.strength[k].frictionAngle *= kDegreesToRadians;
}

}  // namespace murena
