// Hand-over of the block data to the earth-pressure module and the split of
// the soil layers into pressure layers at the backfill water table and at the
// excavation level.
#include <algorithm>
#include <cmath>

#include "common/soil_types.h"
#include "common/unit_system.h"
#include "engine/soil/earth_pressure_module.h"

namespace murena {

EarthPressureInput makeEarthPressureInput(const RunContext& ctx) {
  const BlockData& blk = ctx.block;
  const SoilRecord& s = blk.soil;
  EarthPressureInput in;
  in.unitSystem = blk.control.units;
  in.pressureCode = blk.control.earthPressureCode;
  in.freeHeight = s.freeHeight;
  in.activeWidth = s.activeWidth;
  in.pyWidth = s.pyWidth;
  in.waterDepthBackfill = s.waterDepthBackfill;
  in.waterDepthExcavation = s.waterDepthExcavation;
  in.activePressureFactor = s.activePressureFactor;
  in.soilFlag = s.soilFlag;
  in.backfillSlope = s.backfillSlope;
  in.surfaceSurcharge = s.surfaceSurcharge;
  in.legacySurcharge = {s.legacyDistance, s.legacyPoint, s.legacyLine, s.legacyStrip, s.legacyStripWidth};
  in.surchargeCount = std::clamp(s.surchargeCount, 0, kMaxSurcharges);
  in.surcharges = s.surcharges;
  in.layerCount = std::clamp(s.layerCount, 0, kMaxSoilLayers);
  for (int i = 0; i < in.layerCount; ++i) {
    const SoilLayerRecord& r = s.layers[i];
    InputSoilLayer& l = in.soilLayers[i];
    l.type = r.type;
    l.thickness = r.thickness;
    l.unitWeight = r.top[0];
    l.cohesion = r.top[1];
    l.frictionAngle = r.top[2];
    l.optionalCoefficient = r.top[5];
  }
  in.wallLength = blk.wall.wallLength;
  in.supportCount = blk.supportCount;
  in.firstSupportDepth = blk.firstSupportDepth;
  in.lastSupportDepth = blk.lastSupportDepth;
  return in;
}

void handOver(EarthPressureModule& m, const EarthPressureInput& in) {
  m.in = in;
  // Rock carries no optional coefficient (its sixth parameter means something else).
  for (int i = 0; i < m.in.layerCount; ++i)
    if (isRock(m.in.soilLayers[i].type)) m.in.soilLayers[i].optionalCoefficient = 0.0;
  m.gammaW = in.unitSystem == kSIUnits ? 9.81 : 0.036;
  m.soilFlag = in.soilFlag;
  m.current = in.legacySurcharge;
  m.n = 0;
  m.layers = {};
  m.excavationLayer = m.waterLayer = 0;
  m.overflow = false;
  m.excavationStress = 0.0;
  m.thrust = 0.0;
  m.profile.clear();
}

namespace {

// Opens pressure layer n+1 cut from `src`; false (overflow) beyond the store.
bool openLayer(EarthPressureModule& m, const InputSoilLayer& src, double top, double thickness) {
  if (m.n >= kMaxPressureLayers) {
    m.overflow = true;
    return false;
  }
  PressureLayer& p = m.layers[++m.n];
  p = PressureLayer{};
  p.thickness = thickness;
  p.topDepth = top;
  p.unitWeight = src.unitWeight;
  p.cohesion = src.cohesion;
  p.frictionAngle = src.frictionAngle;
  p.optionalCoefficient = src.optionalCoefficient;
  p.drained = src.type >= kSand && src.type <= kWeakRock;
  p.activeFactor = m.in.activePressureFactor;
  return true;
}

int layerWithTopAt(const EarthPressureModule& m, double depth) {
  for (int L = 1; L <= m.n; ++L)
    if (std::fabs(m.layers[L].topDepth - depth) < kDepthTolerance) return L;
  return 0;
}

}  // namespace

void splitPressureLayers(EarthPressureModule& m) {
  // The channel of the profile file is first opened on "debug.dat", which is
  // left behind empty.
  {
    TextOutput debug;
    debug.open(kDebugFile);
  }

  // Special depths: water table behind the wall and the excavation level
  // (listed twice), sorted, near-duplicates merged.
  double H = m.in.freeHeight;
  double s[3] = {m.in.waterDepthBackfill, H, H};
  std::sort(s, s + 3);
  bool close01 = std::fabs(s[1] - s[0]) < kDepthTolerance;
  bool close12 = std::fabs(s[2] - s[1]) < kDepthTolerance;
  int k = 3 - (close01 ? 1 : 0) - (close12 ? 1 : 0);
  if (close01) s[1] = s[2];
  // Depths at or above the top of the wall cut nothing.
  int next = 0;
  while (next < k && s[next] < kDepthTolerance) ++next;

  double ztop = 0.0;
  for (int i = 0; i < m.in.layerCount && !m.overflow; ++i) {
    const InputSoilLayer& src = m.in.soilLayers[i];
    if (!(src.thickness > 0.0)) break;
    if (!openLayer(m, src, ztop, src.thickness)) break;
    double zbot = ztop + src.thickness;
    while (next < k) {
      double Z = s[next];
      if (std::fabs(zbot - Z) < kDepthTolerance) {
        s[next++] = zbot;
        continue;
      }
      if (zbot <= Z) break;
      // The special depth lies inside the layer: cut it there.
      m.layers[m.n].thickness = Z - m.layers[m.n].topDepth;
      ++next;
      if (!openLayer(m, src, Z, zbot - Z)) break;
    }
    ztop = zbot;
  }

  m.excavationLayer = layerWithTopAt(m, H);
  m.waterLayer = layerWithTopAt(m, m.in.waterDepthBackfill);
}

}  // namespace murena
