#include "frontend/entry/general_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace murena {

namespace {

// Delphi-style general format of the value rounded to `precision` digits:
// the decimal exponent x of the form 0.ddd * 10^x decides the notation.
// The value is rounded to `precision` digits; `notation` is the precision
// that decides between fixed and scientific notation.
std::string formatDigits(long double value, int precision, int notation) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  if (precision < 1) precision = 1;
  if (precision > 21) precision = 21;

  // to_chars, unlike printf, ignores the locale: the separator stays ".".
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1);
  std::string text(buffer, written.ptr);
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const size_t ePos = text.find('e');
  const int exponent10 = std::atoi(text.c_str() + ePos + 1);  // d.ddd * 10^exponent10
  std::string digits;
  for (size_t i = 0; i < ePos; ++i)
    if (text[i] != '.') digits += text[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  const int exponent = exponent10 + 1;
  std::string out = negative ? "-" : "";
  if (exponent > notation || exponent < -3) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1, std::string::npos);
    }
    out += 'E';
    out += std::to_string(exponent10);
  } else if (exponent10 >= 0) {
    const size_t intDigits = static_cast<size_t>(exponent10) + 1;
    if (digits.size() <= intDigits) {
      out += digits + std::string(intDigits - digits.size(), '0');
    } else {
      out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
  } else {
    out += "0." + std::string(static_cast<size_t>(-exponent10 - 1), '0') + digits;
  }
  return out;
}

// Checks the decimal syntax and splits off the sign.
bool decimalSyntax(std::string_view text, bool& negative, std::string_view& body) {
  size_t i = 0;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const size_t start = i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != text.size()) return false;
  body = text.substr(start);
  return true;
}

// Rough decimal exponent of a number body (digits, '.', exponent), enough to
// tell an overflow from an underflow.
long long decimalMagnitude(std::string_view body) {
  size_t i = 0;
  long long magnitude = 0;
  bool seenNonZero = false;
  long long intDigits = 0;
  while (i < body.size() && body[i] >= '0' && body[i] <= '9') {
    if (body[i] != '0' || seenNonZero) { seenNonZero = true; ++intDigits; }
    ++i;
  }
  if (seenNonZero) {
    magnitude = intDigits - 1;
  } else if (i < body.size() && body[i] == '.') {
    ++i;
    long long zeros = 0;
    while (i < body.size() && body[i] == '0') ++i, ++zeros;
    magnitude = -zeros - 1;
  }
  while (i < body.size() && body[i] != 'e' && body[i] != 'E') ++i;
  if (i < body.size()) {
    ++i;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) negative = body[i++] == '-';
    long long exponent = 0;
    while (i < body.size() && exponent < 1000000000LL) exponent = exponent * 10 + (body[i++] - '0');
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

template <class T>
bool parseAs(std::string_view text, T& value) {
  bool negative = false;
  std::string_view body;
  if (!decimalSyntax(text, negative, body)) return false;
  // from_chars takes no leading '+' in the exponent-free part and no sign;
  // both were removed above.
  T parsed{};
  const auto result = std::from_chars(body.data(), body.data() + body.size(), parsed);
  if (result.ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow is not a number of this type.
    if (decimalMagnitude(body) > 0) return false;
    parsed = 0;
  } else if (result.ec != std::errc() || result.ptr != body.data() + body.size()) {
    return false;
  }
  value = negative ? -parsed : parsed;
  return true;
}

}  // namespace

std::string formatGeneral(long double value, int precision) {
  if (precision > 18) precision = 18;
  return formatDigits(value, precision, precision);
}

std::string formatGeneral(double value, int precision) {
  return formatGeneral(static_cast<long double>(value), precision);
}

std::string formatGeneralShortest(double value, int maxPrecision) {
  if (maxPrecision < 1) maxPrecision = 1;
  if (maxPrecision > 18) maxPrecision = 18;
  if (!std::isfinite(value) || value == 0) return formatDigits(value, 1, maxPrecision);
  for (int p = 1; p < maxPrecision && p <= 17; ++p) {
    std::string text = formatDigits(value, p, maxPrecision);
    double back = 0;
    if (parseDecimal(text, back) && back == value) return text;
  }
  return formatGeneral(value, maxPrecision);
}

bool parseDecimal(std::string_view text, long double& value) { return parseAs(text, value); }
bool parseDecimal(std::string_view text, double& value) { return parseAs(text, value); }

}  // namespace murena
