#pragma once
// Rendering of unit templates: the units shown next to a real table column or
// a dialog field are a template text whose placeholders are replaced by the
// names of the current unit system.  Placeholders are replaced in a fixed
// order (F2, F1, F4, F5, F6, F, L3, L2, L1, L) so that "L2" is taken before
// "L"; a text without placeholders ("DEG.", "SEE NOTES") comes back unchanged.
#include <array>
#include <string>
#include <string_view>

#include "common/unit_system.h"

namespace murena {

struct UnitPlaceholder {
  std::string_view placeholder;
  std::array<std::string_view, 3> names;  // English, SI, other
};

// The replacement order matters: longer placeholders before their prefixes.
inline constexpr std::array<UnitPlaceholder, 10> kUnitPlaceholders{{
    {"F2", {"tons", "kN", "F"}},
    {"F1", {"kips", "kN", "F"}},
    {"F4", {"lb-sec2/in", "Mg", "M"}},
    {"F5", {"sec", "sec", "T"}},
    {"F6", {"slug", "Mg", "F"}},
    {"F", {"lbs", "kN", "F"}},
    {"L3", {"rad", "rad", "L"}},
    {"L2", {"ft", "m", "L"}},
    {"L1", {"in", "mm", "L"}},
    {"L", {"in", "m", "L"}},
}};

// Unit system clamped into 1..3 (English, SI, other).
inline int clampUnitSystem(int system) {
  return system < kEnglishUnits ? kEnglishUnits : (system > kOtherUnits ? kOtherUnits : system);
}

// The template with every placeholder replaced for the given unit system
// (clamped into 1..3).  "F/L2^3" gives "lbs/ft^3" or "kN/m^3".
inline std::string renderUnitTemplate(std::string_view unitTemplate, int unitSystem) {
  const int index = clampUnitSystem(unitSystem) - 1;
  std::string text(unitTemplate);
  for (const UnitPlaceholder& p : kUnitPlaceholders) {
    const std::string_view name = p.names[static_cast<size_t>(index)];
    size_t pos = 0;
    while ((pos = text.find(p.placeholder, pos)) != std::string::npos) {
      text.replace(pos, p.placeholder.size(), name);
      pos += name.size();  // never rescan the inserted name
    }
  }
  return text;
}

}  // namespace murena
