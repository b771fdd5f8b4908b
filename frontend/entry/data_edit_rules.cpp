#include "frontend/entry/data_edit_rules.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "common/unit_template.h"
#include "frontend/entry/entry_errors.h"
#include "frontend/entry/general_format.h"

namespace murena {

TDataEditRules::TDataEditRules() : minVal_(-DBL_MAX), maxVal_(DBL_MAX) {}

void TDataEditRules::setUnits(int system) { units_ = clampUnitSystem(system); }

std::string TDataEditRules::labelText() const {
  if (unitsString_.empty()) return caption_;
  return caption_ + " (" + renderUnitTemplate(unitsString_, units_) + ")";
}

void TDataEditRules::setMinVal(double limit) {
  if (std::isnan(limit)) return;
  if (loading_) {
    minVal_ = limit;
    return;
  }
  minVal_ = limit > maxVal_ ? maxVal_ : limit;
  double current = 0;
  try {
    current = number();
  } catch (const EntryError&) {
    return;  // an unfinished entry is checked when the field is left
  }
  if (current < minVal_) setNumber(minVal_);
}

void TDataEditRules::setMaxVal(double limit) {
  if (std::isnan(limit)) return;
  if (loading_) {
    maxVal_ = limit;
    return;
  }
  maxVal_ = limit < minVal_ ? minVal_ : limit;
  double current = 0;
  try {
    current = number();
  } catch (const EntryError&) {
    return;
  }
  if (current > maxVal_) setNumber(maxVal_);
}

void TDataEditRules::setIntegerOnly(bool on) {
  integerOnly_ = on;
  if (!on) return;
  minVal_ = std::fmin(std::fmax(minVal_, static_cast<double>(INT_MIN)), static_cast<double>(INT_MAX));
  maxVal_ = std::fmin(std::fmax(maxVal_, static_cast<double>(INT_MIN)), static_cast<double>(INT_MAX));
}

double TDataEditRules::number() const { return evaluateExpression(text_); }

void TDataEditRules::setNumber(double value) {
  if (std::isnan(value)) value = 0;
  if (value < minVal_) value = minVal_;
  if (value > maxVal_) value = maxVal_;
  text_ = canonicalText(value);
}

void TDataEditRules::check() {
  double value = 0;
  try {
    value = evaluateExpression(text_);
  } catch (const EntryError&) {
    valid_ = false;
    if (integerOnly_) throw EntryError("Entry must be a valid integer.");
    throw;
  }
  if (integerOnly_ && value != std::trunc(value)) {
    valid_ = false;
    throw EntryError("Entry must be an integer.");
  }
  if (value < minVal_) {
    setNumber(minVal_);
    valid_ = false;
    throw EntryError("Entry must be greater than or equal to " + canonicalText(minVal_));
  }
  if (value > maxVal_) {
    setNumber(maxVal_);
    valid_ = false;
    throw EntryError("Entry must be less than or equal to " + canonicalText(maxVal_));
  }
  text_ = canonicalText(value);
  valid_ = true;
}

std::string TDataEditRules::canonicalText(double value) const {
  if (hex_ && std::isfinite(value)) {
    // 32-bit two's complement, as the field's integer value is held.
    const double r = std::fmin(std::fmax(std::round(value), static_cast<double>(INT_MIN)),
                               static_cast<double>(UINT32_MAX));
    const auto bits = r < 0 ? static_cast<std::uint32_t>(static_cast<std::int64_t>(r))
                            : static_cast<std::uint32_t>(r);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%04X", static_cast<unsigned>(bits));
    return buffer;
  }
  return formatGeneralShortest(value, 18);
}

bool TDataEditRules::extendsValue(char typed) noexcept {
  switch (typed) {
    case '+': case '-': case '/': case '*': case '^': case '=': case '%': case '!':
      return true;
    default:
      return false;
  }
}

}  // namespace murena
