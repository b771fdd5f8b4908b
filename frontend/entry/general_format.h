#pragma once
// Number texts of the front end: the general format (fixed notation unless
// the decimal exponent is beyond the precision or the value is below 1E-4,
// trailing zeros removed, exponent written as "E5" / "E-5"), and the reading
// of a decimal number with "." as separator, independent of the locale.
#include <string>
#include <string_view>

namespace murena {

// General format with at most `precision` significant digits (1..18), as the
// tables show their reals (8 digits) and the data files write them:
// 1E-5, 0.0001, -0.25, 12345678, 1.2345679E8.  Zero is "0"; non-finite
// values are "INF", "-INF" and "NAN".
std::string formatGeneral(double value, int precision);
std::string formatGeneral(long double value, int precision);

// General format with the fewest significant digits (at most maxPrecision)
// that read back as the same double: the canonical text of a field value, so
// that 0.1 shows as "0.1".
std::string formatGeneralShortest(double value, int maxPrecision = 18);

// Reads a whole text as a decimal number: optional sign, digits with an
// optional ".", at least one digit, optional exponent (E or e, optional sign,
// digits).  No blanks, no hexadecimal, no "INF"/"NAN".  False when the text is
// not such a number or its value lies outside the range of the type.
bool parseDecimal(std::string_view text, long double& value);
bool parseDecimal(std::string_view text, double& value);

}  // namespace murena
