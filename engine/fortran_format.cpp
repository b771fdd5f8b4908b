#include "engine/fortran_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace murena::fmt {
namespace {

std::string fit(std::string text, int width) {
  if (width <= 0) return {};
  if (static_cast<int>(text.size()) > width) return std::string(static_cast<size_t>(width), '*');
  return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}

// Exponent field: "E+dd" for two digits, "+ddd" (no letter) for three.
std::string exponentText(int exponent) {
  char buf[16];
  int magnitude = std::abs(exponent);
  char sign = exponent < 0 ? '-' : '+';
  if (magnitude <= 99) {
    std::snprintf(buf, sizeof buf, "E%c%02d", sign, magnitude);
  } else {
    std::snprintf(buf, sizeof buf, "%c%03d", sign, magnitude);
  }
  return buf;
}

// Splits |value| into `digits` correctly rounded significant digits and the
// decimal exponent of the first one (value = 0.d1d2... x 10^(exp+1)).
void significantDigits(double magnitude, int digits, std::string& mantissa, int& exponent) {
  if (magnitude == 0.0) {
    mantissa.assign(static_cast<size_t>(digits), '0');
    exponent = -1;
    return;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, magnitude);
  mantissa.clear();
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') mantissa.push_back(*p);
  exponent = std::atoi(p + 1);
}

}  // namespace

std::string B(int count) { return std::string(count > 0 ? static_cast<size_t>(count) : 0u, ' '); }

std::string I(long long value, int width) { return fit(std::to_string(value), width); }

std::string Im(long long value, int width, int minDigits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < minDigits)
    digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
  return fit(value < 0 ? "-" + digits : digits, width);
}

std::string F(double value, int width, int decimals) {
  if (!std::isfinite(value)) return std::string(static_cast<size_t>(width), '*');
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  std::string text = buf;
  if (static_cast<int>(text.size()) > width) {
    // The leading zero of a value below one is optional when space is short.
    size_t zero = text[0] == '-' ? 1 : 0;
    if (text.size() > zero + 1 && text[zero] == '0' && text[zero + 1] == '.') text.erase(zero, 1);
  }
  return fit(text, width);
}

std::string E(double value, int width, int decimals) {
  if (!std::isfinite(value)) return std::string(static_cast<size_t>(width), '*');
  std::string mantissa;
  int exponent = 0;
  significantDigits(std::fabs(value), decimals, mantissa, exponent);
  int shown = value == 0.0 ? 0 : exponent + 1;
  std::string sign = std::signbit(value) && value != 0.0 ? "-" : "";
  std::string text = sign + "0." + mantissa + exponentText(shown);
  if (static_cast<int>(text.size()) > width) text = sign + "." + mantissa + exponentText(shown);
  return fit(text, width);
}

std::string PE(double value, int width, int decimals) {
  if (!std::isfinite(value)) return std::string(static_cast<size_t>(width), '*');
  std::string mantissa;
  int exponent = 0;
  significantDigits(std::fabs(value), decimals + 1, mantissa, exponent);
  int shown = value == 0.0 ? 0 : exponent;
  std::string sign = std::signbit(value) && value != 0.0 ? "-" : "";
  std::string text = sign + mantissa.substr(0, 1) + "." + mantissa.substr(1) + exponentText(shown);
  return fit(text, width);
}

std::string A(std::string_view text, int width) {
  if (static_cast<int>(text.size()) >= width) return std::string(text.substr(0, static_cast<size_t>(width)));
  return B(width - static_cast<int>(text.size())) + std::string(text);
}

}  // namespace murena::fmt
