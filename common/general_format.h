#pragma once
// The general number format of data files and table cells: the value rounded
// to a number of significant digits (8 in data files), trailing zeros dropped,
// fixed notation for decimal exponents from -4 to digits-1, otherwise
// scientific notation without "+" and without leading exponent zeros
// (0.5, 12, 1E-5, 1.2345679E8); zero is "0"; the separator is always ".".
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace murena {

inline std::string formatGeneral(double value, int significantDigits = 8) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";
  if (significantDigits < 1) significantDigits = 1;
  if (significantDigits > 18) significantDigits = 18;

  // Round once through the C library so that carries (9.99999999 -> 10) are
  // reflected in the exponent; printf output is locale-free for "e".
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", significantDigits - 1, std::fabs(value));
  std::string digits;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  if (exponent >= -4 && exponent < significantDigits) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const size_t intDigits = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
      } else {
        out += digits.substr(0, intDigits);
        out += '.';
        out += digits.substr(intDigits);
      }
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  }
  return out;
}

}  // namespace murena
