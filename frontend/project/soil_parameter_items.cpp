#include "frontend/project/soil_parameter_items.h"

#include "common/soil_types.h"
#include "common/unit_system.h"

namespace murena {
namespace {

constexpr SoilParameterItem kNone{-1, ParameterConversion::None};
constexpr SoilParameterItem plain(int column) { return {column, ParameterConversion::None}; }
constexpr SoilParameterItem kUnitWeight{0, ParameterConversion::UnitWeight};

// TblClay1: unit weight, cohesion, E50, k, coefficient.
constexpr SoilParameterItems kClayItems{kUnitWeight, {1, ParameterConversion::Cohesion}, kNone, plain(2), plain(3), plain(4)};
// TblSand1: unit weight, friction angle, k, coefficient.
constexpr SoilParameterItems kSandItems{kUnitWeight, kNone, plain(1), kNone, plain(2), plain(3)};
// TblSilt1: unit weight, friction angle, cohesion, E50, k, coefficient.
constexpr SoilParameterItems kSiltItems{kUnitWeight, {2, ParameterConversion::Cohesion}, plain(1), plain(3), plain(4), plain(5)};
// TblRock1: unit weight, uniaxial compressive strength.
constexpr SoilParameterItems kStrongRockItems{kUnitWeight, plain(1), kNone, kNone, kNone, kNone};
// TblRock2: unit weight, uniaxial compressive strength, krm, elastic modulus, RQD.
constexpr SoilParameterItems kWeakRockItems{kUnitWeight, plain(1), kNone, plain(2), plain(3), plain(4)};

}  // namespace

const SoilParameterItems* soilParameterItems(int soilType) {
  if (isClay(soilType)) return &kClayItems;
  switch (soilType) {
    case kSand: return &kSandItems;
    case kSilt: return &kSiltItems;
    case kStrongRock: return &kStrongRockItems;
    case kWeakRock: return &kWeakRockItems;
    default: return nullptr;
  }
}

double writtenParameterDivisor(ParameterConversion conversion, int unitSystem) {
  if (unitSystem != kEnglishUnits) return 1;
  switch (conversion) {
    case ParameterConversion::UnitWeight: return 1728;
    case ParameterConversion::Cohesion: return 144;
    default: return 1;
  }
}

}  // namespace murena
