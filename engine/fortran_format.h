#pragma once
// Fixed-width number and text fields in the notation of the engine's report,
// plot data and scratch files (the classic formatted-output edit descriptors).
// A value that does not fit its field is shown as a row of asterisks.
#include <string>
#include <string_view>

namespace murena::fmt {

// In: integer right-justified in `width` columns.
std::string I(long long value, int width);
// In.m: integer with at least `minDigits` digits (leading zeros), right-justified.
std::string Im(long long value, int width, int minDigits);
// Fw.d: fixed point with `decimals` decimals, right-justified.
std::string F(double value, int width, int decimals);
// Ew.d: sign, "0.", `decimals` digits, "E", exponent sign and two digits.
std::string E(double value, int width, int decimals);
// Dw.d: as Ew.d with the exponent letter D.
std::string D(double value, int width, int decimals);
// 1PEw.d: one digit before the point, d.dddE+ee.
std::string PE(double value, int width, int decimals);
// An: text in exactly `width` characters: longer texts are cut, shorter ones
// are right-justified with leading blanks.
std::string A(std::string_view text, int width);
// bN: N blanks.
std::string B(int count);

}  // namespace murena::fmt
