#include "frontend/entry/expression_evaluator.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "frontend/entry/entry_errors.h"
#include "frontend/entry/general_format.h"

namespace murena {

namespace {

using Real = long double;

constexpr Real kPi = 3.141592653589793238462643383279502884L;
constexpr Real kEuler = 2.718281828459045235360287471352662498L;
constexpr int kMaxOperandDepth = 64;   // nested function names in one operand
constexpr int kIntermediateDigits = 18;

[[noreturn]] void fail(const char* reason) {
  throw EntryError(std::string("Entry could not be evaluated:\n") + reason);
}

// Intermediate results are carried as text with 18 significant digits.
std::string valueText(Real value) {
  if (!std::isfinite(value)) fail("invalid expression");
  return formatGeneral(value, kIntermediateDigits);
}

Real carried(Real value) {
  Real back = 0;
  if (!parseDecimal(valueText(value), back)) fail("invalid expression");
  return back;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lower(c);
  return out;
}

bool isOperator(char c) {
  switch (c) {
    case '^': case '*': case '/': case '%': case '&': case '+': case '-': case '|': case '=':
      return true;
    default:
      return false;
  }
}

// Longer names first where one is the start of another.
constexpr std::array<std::string_view, 24> kFunctions{
    "arctanh", "arctan", "cotan", "tanh", "tan", "arccosh", "arccos", "cosh",
    "cos", "sec", "arcsinh", "arcsin", "sinh", "sin", "csc", "abs",
    "frac", "int", "ln", "round", "ceil", "floor", "log", "sqrt"};

// True when the operand so far ends in a function name, so that a "-"
// after it is the argument's sign.  Only the tail is compared: the test runs
// for every operator of a long entry.
bool endsWithFunctionName(std::string_view operand) {
  for (std::string_view name : kFunctions) {
    if (operand.size() < name.size()) continue;
    const std::string_view tail = operand.substr(operand.size() - name.size());
    bool same = true;
    for (size_t i = 0; i < name.size() && same; ++i) same = lower(tail[i]) == name[i];
    if (same) return true;
  }
  return false;
}

// An operand being split off an expression, with what the sign rules need
// to know about it kept up to date as characters are added.
class OperandText {
 public:
  void add(char c) {
    if (onlyMinus_ && c != '-') {
      onlyMinus_ = false;
      hexadecimal_ = c == '$';
    }
    text_ += c;
  }
  bool empty() const { return text_.empty(); }
  const std::string& text() const { return text_; }
  std::string take() {
    onlyMinus_ = true;
    hexadecimal_ = false;
    return std::move(text_);
  }
  bool endsInFunctionName() const { return endsWithFunctionName(text_); }

  // True when the operand ends in a decimal mantissa followed by "E", so that
  // a following sign belongs to the exponent: 1E-5 is a number, also after a
  // function name ("sqrt1E-5", as a parenthesis value is written).
  bool endsWithMantissaExponent() const {
    if (text_.empty() || (text_.back() != 'e' && text_.back() != 'E')) return false;
    if (hexadecimal_) return false;  // hexadecimal digits
    size_t i = text_.size() - 1;
    size_t digits = 0;
    while (i > 0 && ((text_[i - 1] >= '0' && text_[i - 1] <= '9') || text_[i - 1] == '.')) {
      if (text_[i - 1] != '.') ++digits;
      --i;
    }
    return digits > 0;
  }

 private:
  std::string text_;
  bool onlyMinus_ = true;    // nothing but signs so far
  bool hexadecimal_ = false; // the first character after the signs is "$"
};

Real applyFunction(std::string_view name, Real x) {
  if (name == "arctanh") return std::atanh(x);
  if (name == "arctan") return std::atan(x);
  if (name == "cotan") return 1 / std::tan(x);
  if (name == "tanh") return std::tanh(x);
  if (name == "tan") return std::tan(x);
  if (name == "arccosh") return std::acosh(x);
  if (name == "arccos") return std::acos(x);
  if (name == "cosh") return std::cosh(x);
  if (name == "cos") return std::cos(x);
  if (name == "sec") return 1 / std::cos(x);
  if (name == "arcsinh") return std::asinh(x);
  if (name == "arcsin") return std::asin(x);
  if (name == "sinh") return std::sinh(x);
  if (name == "sin") return std::sin(x);
  if (name == "csc") return 1 / std::sin(x);
  if (name == "abs") return std::fabs(x);
  if (name == "frac") return x - std::trunc(x);
  if (name == "int") return std::trunc(x);
  if (name == "ln") return std::log(x);
  if (name == "round") return std::round(x);
  if (name == "ceil") return std::ceil(x);
  if (name == "floor") return std::floor(x);
  if (name == "log") return std::log10(x);
  return std::sqrt(x);  // "sqrt"
}

Real factorial(Real value) {
  if (value != std::trunc(value)) fail("! (factoral) applicable to integers only");
  const Real magnitude = std::fabs(value);
  Real product = 1;
  // The product is infinite long before 5000; stop there instead of looping
  // over a huge count.
  for (Real k = 2; k <= magnitude && std::isfinite(product); k += 1) {
    product *= k;
    if (k > 5000) product = INFINITY;
  }
  if (!std::isfinite(product)) fail("invalid expression");
  return value < 0 ? -product : product;
}

Real hexValue(std::string_view digits) {
  if (digits.empty() || digits.size() > 16) fail("invalid use of $ (hex function)");
  std::uint64_t value = 0;
  for (char c : digits) {
    const char l = lower(c);
    int d;
    if (l >= '0' && l <= '9') d = l - '0';
    else if (l >= 'a' && l <= 'f') d = l - 'a' + 10;
    else fail("invalid use of $ (hex function)");
    value = value * 16 + static_cast<std::uint64_t>(d);
  }
  return static_cast<Real>(value);
}

std::string withoutDoubleMinus(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

Real operandValue(std::string_view raw, int depth) {
  if (depth > kMaxOperandDepth) fail("invalid expression");
  const std::string text = withoutDoubleMinus(raw);
  const std::string low = lowered(text);
  if (low == "pi") return kPi;
  if (low == "-pi") return -kPi;
  if (low == "e") return kEuler;
  if (low == "-e") return -kEuler;
  for (std::string_view name : kFunctions) {
    if (low.compare(0, name.size(), name) == 0) {
      const Real argument = operandValue(std::string_view(text).substr(name.size()), depth + 1);
      return carried(applyFunction(name, argument));
    }
  }
  if (!text.empty() && text.back() == '!')
    return carried(factorial(operandValue(std::string_view(text).substr(0, text.size() - 1), depth + 1)));
  if (!text.empty() && text[0] == '$') return hexValue(std::string_view(text).substr(1));
  Real value = 0;
  if (parseDecimal(text, value)) return value;
  // A sign before a name or a hexadecimal value ("-sqrt4", "-$FF").
  if (text.size() > 1 && text[0] == '-') return -operandValue(std::string_view(text).substr(1), depth + 1);
  fail("invalid character(s) in expression");
}

Real applyOperator(Real a, char op, Real b) {
  Real result = 0;
  switch (op) {
    case '^': result = std::pow(a, b); break;
    case '*': result = a * b; break;
    case '/':
      if (b == 0) fail("invalid expression");
      result = a / b;
      break;
    case '%': {
      const Real ia = std::trunc(a), ib = std::trunc(b);
      if (ib == 0) fail("invalid expression");
      result = std::fmod(ia, ib);
      break;
    }
    case '&': result = (a != 0 && b != 0) ? 1 : 0; break;
    case '+': result = a + b; break;
    case '-': result = a - b; break;
    case '|': result = (a != 0 || b != 0) ? 1 : 0; break;
    default: result = (a == b) ? 1 : 0; break;  // '='
  }
  return carried(result);
}

// An expression without parentheses.  Splitting and each operator level
// take one pass, so the time grows with the length of the entry.
Real evaluateFlat(std::string_view text) {
  if (text.empty()) fail("entry cannot be blank");
  std::vector<std::string> operands;
  std::vector<char> operators;
  OperandText current;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (isOperator(c)) {
      const bool sign = c == '-' && (i == 0 || isOperator(text[i - 1]) || current.endsInFunctionName());
      const bool exponentSign = (c == '-' || c == '+') && current.endsWithMantissaExponent();
      if (sign || exponentSign) {
        current.add(c);
        continue;
      }
      if (!current.empty()) operands.push_back(current.take());
      operators.push_back(c);
    } else {
      current.add(c);
    }
  }
  if (!current.empty()) operands.push_back(current.take());
  if (operands.size() != operators.size() + 1) fail("invalid expression");

  std::vector<Real> values;
  values.reserve(operands.size());
  for (const std::string& operand : operands) values.push_back(operandValue(operand, 0));

  // Each level from left to right: an operator of the level joins its right
  // operand into the value on its left; the others are kept for later levels.
  static constexpr std::array<std::string_view, 4> kLevels{"^", "*/%&", "+-|", "="};
  for (std::string_view level : kLevels) {
    size_t kept = 0;  // values[0..kept] and operators[0..kept) are the result so far
    for (size_t i = 0; i < operators.size(); ++i) {
      if (level.find(operators[i]) != std::string_view::npos) {
        values[kept] = applyOperator(values[kept], operators[i], values[i + 1]);
      } else {
        operators[kept] = operators[i];
        values[++kept] = values[i + 1];
      }
    }
    operators.resize(kept);
    values.resize(kept + 1);
  }
  return values.front();
}

}  // namespace

long double evaluateExpressionExtended(std::string_view input) {
  // Spaces and tabs are removed.  The innermost parentheses are evaluated
  // first and replaced by their value: in one pass from the left, each ")"
  // closes the last "(" still open, so `open` holds the text since every
  // unclosed "(" and the outermost text comes first.
  std::string text;
  std::vector<std::string> open;
  for (const char c : input) {
    if (c == ' ' || c == '\t') continue;
    if (c == '(') {
      open.emplace_back();
    } else if (c == ')') {
      if (open.empty()) fail("() (parentheses) do not match");
      const Real inner = evaluateFlat(open.back());
      open.pop_back();
      (open.empty() ? text : open.back()) += valueText(inner);
    } else {
      (open.empty() ? text : open.back()) += c;
    }
  }
  if (text.empty() && open.empty()) fail("entry cannot be blank");
  // An unmatched "(" stays in the text (and fails as an invalid character).
  for (const std::string& level : open) {
    text += '(';
    text += level;
  }
  return evaluateFlat(text);
}

double evaluateExpression(std::string_view text) {
  const long double value = evaluateExpressionExtended(text);
  if (!(std::fabs(value) <= static_cast<long double>(DBL_MAX))) fail("invalid expression");
  return static_cast<double>(value);
}

}  // namespace murena
