#pragma once
// The six items of a soil layer's parameter line and the parameter sub-table
// column each comes from, by soil type (a placeholder item has no column).
// In English units the unit weight is held in pcf and written in pci
// (/1728), the cohesion of clays and silt in psf and written in psi (/144).
#include <array>

namespace murena {

enum class ParameterConversion { None, UnitWeight, Cohesion };

struct SoilParameterItem {
  int column;  // -1: the placeholder "0.0  "
  ParameterConversion conversion;
};

using SoilParameterItems = std::array<SoilParameterItem, 6>;

// Null for a soil type outside 1..7 (all six items are then placeholders).
const SoilParameterItems* soilParameterItems(int soilType);

// English-unit divisor from the table's value to the written value (1728
// for unit weights, 144 for cohesions, else 1); reading multiplies by it.
double writtenParameterDivisor(ParameterConversion conversion, int unitSystem);

}  // namespace murena
