#pragma once
// The checking rules of a numeric edit field (TDataEdit) without the widget:
// limits, integer-only, hexadecimal display, the units label, the messages of
// a failed check and the canonical text of a value.  The widget holds one of
// these, shows its text and label, and shows a failed check's message in an
// information box before taking the focus back.
//
//   TDataEditRules field;
//   field.setCaption("Number of Increments"); field.setIntegerOnly(true);
//   field.setMinVal(1); field.setMaxVal(300);
//   field.setText("3*100");
//   field.check();          // throws EntryError on failure, else text() == "300"
#include <string>

#include "frontend/entry/expression_evaluator.h"

namespace murena {

class TDataEditRules {
 public:
  TDataEditRules();

  // Label: Caption, or Caption + " (" + rendered units + ")" with a template.
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  const std::string& unitsString() const { return unitsString_; }
  void setUnitsString(std::string unitsTemplate) { unitsString_ = std::move(unitsTemplate); }
  int units() const { return units_; }
  void setUnits(int system);  // clamped into 1..3
  std::string labelText() const;

  // Limits.  Outside loading, a maximum below the minimum is raised to it, a
  // minimum above the maximum is lowered to it, and a current value outside
  // the new limits is moved onto the limit.
  double minVal() const { return minVal_; }
  double maxVal() const { return maxVal_; }
  void setMinVal(double limit);
  void setMaxVal(double limit);
  bool integerOnly() const { return integerOnly_; }
  void setIntegerOnly(bool on);  // clamps the limits into the 32-bit range
  bool hex() const { return hex_; }
  void setHex(bool on) { hex_ = on; }
  // While loading from a form resource the limit adjustments are skipped.
  void setLoading(bool loading) { loading_ = loading; }

  // The text of the field.
  const std::string& text() const { return text_; }
  void setText(std::string text) { text_ = std::move(text); }

  // Number: reading evaluates the text (throws EntryError as evaluateExpression);
  // setting clamps into the limits and shows the canonical text.
  double number() const;
  void setNumber(double value);

  // Checks the text (on focus loss and Enter).  On success the text becomes
  // canonical and the field valid; on failure the field becomes invalid and
  // EntryError carries the message ("Entry must be a valid integer.", "Entry
  // must be an integer.", "Entry must be greater than or equal to " + limit,
  // "Entry must be less than or equal to " + limit, or the evaluator's).  A
  // value beyond a limit sets the field to that limit before failing.
  void check();
  bool valid() const { return valid_; }

  // The canonical text of a value: general format, up to 18 significant
  // digits, or "$" with at least four hexadecimal digits.
  std::string canonicalText(double value) const;

  // When the whole text is selected and one of + - / * ^ = % ! is typed, the
  // caret goes to the end first so that the operator extends the value.
  static bool extendsValue(char typed) noexcept;

 private:
  std::string caption_;
  std::string unitsString_;
  int units_ = 1;
  double minVal_;
  double maxVal_;
  bool integerOnly_ = false;
  bool hex_ = false;
  bool loading_ = false;
  bool valid_ = true;
  std::string text_ = "0";
};

}  // namespace murena
