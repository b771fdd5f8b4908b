#pragma once
// Soil type codes of the data file, the engine and the views.
namespace murena {

enum SoilType : int {
  kSoftClay = 1,
  kStiffClayFreeWater = 2,
  kStiffClayNoFreeWater = 3,
  kSand = 4,
  kSilt = 5,
  kStrongRock = 6,
  kWeakRock = 7,
};

constexpr int kSoilTypeCount = 7;

constexpr bool isClay(int type) { return type >= kSoftClay && type <= kStiffClayNoFreeWater; }
constexpr bool isRock(int type) { return type == kStrongRock || type == kWeakRock; }

}  // namespace murena
