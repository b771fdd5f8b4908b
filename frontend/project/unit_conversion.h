#pragma once
// Conversion factors used when a project switches between English and SI
// units.  Only a switch between English (1) and SI (2) converts values; any
// switch involving "other" units (3) only relabels, so every factor is 1.
#include <string_view>

namespace murena {

// Factors applied to the scalar inputs of the project (inch-based in English).
double scalarLengthFactor(int fromSystem, int toSystem);
double scalarForceFactor(int fromSystem, int toSystem);

// Factor for a real column by its units template ("F-L^2", "F/L2^3", "L1^2"):
// the template is split at "/" into numerator and denominator; each
// placeholder F, F1, F2, F4, F5, F6, L, L1, L2, L3 contributes its kind's
// factor raised to the power after "^" (default 1).  Texts without
// placeholders ("DEG.", "SEE NOTES", "") give 1.
double templateFactor(std::string_view unitsTemplate, int fromSystem, int toSystem);

}  // namespace murena
