#pragma once
// Unit system codes carried in the control line of the data file.
namespace murena {

enum UnitSystem : int {
  kEnglishUnits = 1,  // pounds, inches (some front-end columns in feet)
  kSIUnits = 2,       // kilonewtons, metres
  kOtherUnits = 3,    // a consistent force F and length L
};

}  // namespace murena
