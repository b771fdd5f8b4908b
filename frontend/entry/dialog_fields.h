#pragma once
// The numeric fields of the data dialogs as data: caption, units template,
// limits, integer-only flag, the project value each one edits and the display
// conversion between the held value and the value shown.
//
// The project holds inch-based values in English units; the dialogs show
// "L2" lengths in feet and the backfill surcharge ("F/L2^2") in pounds per
// square foot.  In SI and other units a value is shown as held.
//
//   for (const DialogField& f : wallConfigurationFields())
//     edit.setNumber(shownValue(f, project.data()));      // activation
//   if (storeShownValue(f, project.data(), edit.number()))  // write-back
//     project.setModified();
#include <string>
#include <vector>

#include "frontend/project/program_data.h"

namespace murena {

enum class FieldDisplay {
  AsHeld,
  FeetInEnglish,            // shown = held / 12, held = shown * 12
  PerSquareFootInEnglish,   // shown = held * 144, held = shown / 144
};

struct DialogField {
  std::string name;           // object name of the field widget
  std::string caption;        // label text without units (accelerator "&" kept)
  std::string unitsTemplate;  // empty: no units in the label
  double minVal;
  double maxVal;
  bool integerOnly = false;
  FieldDisplay display = FieldDisplay::AsHeld;
  double (*get)(const TProgramData&) = nullptr;
  void (*set)(TProgramData&, double) = nullptr;
  std::vector<std::string> notes;  // lines shown under the field
};

// "Wall Properties": increments, increment length, maximum deflection,
// closure tolerance, free height.
const std::vector<DialogField>& wallPropertiesFields();
// "Wall Configuration": free height, Wa, Wp, both water depths, backfill
// surcharge, beta, active pressure factor.
const std::vector<DialogField>& wallConfigurationFields();

// The value a field shows for the project in its unit system.
double shownValue(const DialogField& field, const TProgramData& data);
// The value the project holds for a shown value.
double heldValue(const DialogField& field, int unitSystem, double shown);
// Stores a shown value (an integer field takes the rounded value); true when
// the held value changed.  The value the field showed for the project leaves
// the held value untouched.
bool storeShownValue(const DialogField& field, TProgramData& data, double shown);

}  // namespace murena
