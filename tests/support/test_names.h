#pragma once
// Names for the cases of parameterised tests, so that a case can be picked
// with `ctest -R` or --gtest_filter and read in a log: a text of the case
// becomes letters, digits and single '_' (the only characters GoogleTest
// allows), with operators spelt as words.
#include <cstdio>
#include <string>
#include <string_view>

namespace murena::testing_support {

inline std::string readableTestName(std::string_view text) {
  std::string name;
  auto word = [&name](const char* w) { name += w; };
  for (char c : text) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      name += c;
      continue;
    }
    switch (c) {
      case '+': word("plus"); break;
      case '-': word("minus"); break;
      case '*': word("times"); break;
      case '/': word("div"); break;
      case '^': word("pow"); break;
      case '%': word("mod"); break;
      case '!': word("fact"); break;
      case '$': word("hex"); break;
      case '&': word("and"); break;
      case '|': word("or"); break;
      case '=': word("eq"); break;
      case '.': word("p"); break;
      case ',': word("comma"); break;
      default:
        if (!name.empty() && name.back() != '_') name += '_';
    }
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name.empty() ? std::string("blank") : name;
}

// A number as a test name ("-0.25" gives "minus0p25").
inline std::string readableTestName(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", value);
  return readableTestName(text);
}

}  // namespace murena::testing_support
