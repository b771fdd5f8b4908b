#pragma once
// Builds one line of the report (or of any fixed-layout engine file) from
// fields in order: blanks, literal text, integers and reals in their edit
// descriptors.  Example: Line().b(6).text("NUMBER OF INCREMENTS = ").I(nn, 3).
#include <string>
#include <string_view>

#include "engine/fortran_format.h"
#include "engine/text_output.h"

namespace murena {

class Line {
 public:
  Line& b(int count) { text_ += fmt::B(count); return *this; }
  Line& text(std::string_view s) { text_ += s; return *this; }
  Line& A(std::string_view s, int width) { text_ += fmt::A(s, width); return *this; }
  Line& I(long long v, int width) { text_ += fmt::I(v, width); return *this; }
  Line& Im(long long v, int width, int minDigits) { text_ += fmt::Im(v, width, minDigits); return *this; }
  Line& F(double v, int width, int decimals) { text_ += fmt::F(v, width, decimals); return *this; }
  Line& E(double v, int width, int decimals) { text_ += fmt::E(v, width, decimals); return *this; }
  Line& D(double v, int width, int decimals) { text_ += fmt::D(v, width, decimals); return *this; }
  Line& PE(double v, int width, int decimals) { text_ += fmt::PE(v, width, decimals); return *this; }
  // rule(c): 5 blanks and 73 copies of c.
  Line& rule(char c) { text_ += fmt::B(5) + std::string(73, c); return *this; }

  const std::string& str() const { return text_; }
  operator const std::string&() const { return text_; }
  operator std::string_view() const { return text_; }

 private:
  std::string text_;
};

// Writes a built line as one line of the file: out << Line().b(5).text("..").
inline TextOutput& operator<<(TextOutput& out, const Line& line) {
  out.line(line.str());
  return out;
}

}  // namespace murena
