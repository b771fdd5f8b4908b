#include "engine/fortran_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace murena::fmt {
namespace {

std::string stars(int width) { return std::string(width > 0 ? static_cast<size_t>(width) : 0u, '*'); }

std::string fit(const std::string& text, int width) {
  if (width <= 0) return {};
  if (static_cast<int>(text.size()) > width) return stars(width);
  return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}

// Exponent part: letter, sign and two digits; a three-digit exponent drops
// the letter (+ddd).
std::string exponentText(int exponent, char letter) {
  int magnitude = std::abs(exponent);
  char sign = exponent < 0 ? '-' : '+';
  std::string text;
  if (magnitude <= 99) {
    text = {letter, sign, static_cast<char>('0' + magnitude / 10), static_cast<char>('0' + magnitude % 10)};
  } else {
    text = {sign, static_cast<char>('0' + magnitude / 100), static_cast<char>('0' + magnitude / 10 % 10),
            static_cast<char>('0' + magnitude % 10)};
  }
  return text;
}

// Correctly rounded significant digits of `magnitude` and the decimal
// exponent of the first digit (magnitude = d.ddd x 10^exponent).
void significantDigits(double magnitude, int digits, std::string& mantissa, int& exponent) {
  mantissa.clear();
  if (magnitude == 0.0) {
    mantissa.assign(static_cast<size_t>(digits), '0');
    exponent = 0;
    return;
  }
  char buf[64];
  auto result = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, digits - 1);
  const char* p = buf;
  for (; p != result.ptr && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') mantissa.push_back(*p);
  int e = 0;
  if (p != result.ptr) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, e);
  exponent = e;
}

// Negative values, negative zero included, carry their sign as the classic
// formatted output does.
std::string signOf(double value) { return std::signbit(value) ? "-" : ""; }

// Ew.d / Dw.d: 0.ddd x 10^(exponent+1).
std::string exponentForm(double value, int width, int decimals, char letter) {
  if (!std::isfinite(value)) return stars(width);
  std::string mantissa;
  int exponent = 0;
  significantDigits(std::fabs(value), decimals, mantissa, exponent);
  int shown = value == 0.0 ? 0 : exponent + 1;
  std::string text = signOf(value) + "0." + mantissa + exponentText(shown, letter);
  // The leading zero is optional when the field is one short.
  if (static_cast<int>(text.size()) > width) text = signOf(value) + "." + mantissa + exponentText(shown, letter);
  return fit(text, width);
}

}  // namespace

std::string B(int count) { return std::string(count > 0 ? static_cast<size_t>(count) : 0u, ' '); }

std::string I(long long value, int width) { return fit(std::to_string(value), width); }

std::string Im(long long value, int width, int minDigits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
  return fit(value < 0 ? "-" + digits : digits, width);
}

std::string F(double value, int width, int decimals) {
  if (!std::isfinite(value)) return stars(width);
  char buf[512];
  auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return stars(width);
  std::string text(buf, result.ptr);
  if (static_cast<int>(text.size()) > width) {
    size_t zero = text[0] == '-' ? 1 : 0;
    if (text.size() > zero + 1 && text[zero] == '0' && text[zero + 1] == '.') text.erase(zero, 1);
  }
  return fit(text, width);
}

std::string E(double value, int width, int decimals) { return exponentForm(value, width, decimals, 'E'); }

std::string D(double value, int width, int decimals) { return exponentForm(value, width, decimals, 'D'); }

std::string PE(double value, int width, int decimals) {
  if (!std::isfinite(value)) return stars(width);
  std::string mantissa;
  int exponent = 0;
  significantDigits(std::fabs(value), decimals + 1, mantissa, exponent);
  std::string text = signOf(value) + mantissa.substr(0, 1) + "." + mantissa.substr(1) + exponentText(exponent, 'E');
  return fit(text, width);
}

std::string A(std::string_view text, int width) {
  if (static_cast<int>(text.size()) >= width) return std::string(text.substr(0, static_cast<size_t>(width)));
  return B(width - static_cast<int>(text.size())) + std::string(text);
}

}  // namespace murena::fmt
