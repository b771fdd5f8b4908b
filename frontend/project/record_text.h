#pragma once
// Builder of data-file text: integers in decimal, reals in the general format
// with 8 significant digits, the soil-parameter placeholder, and CR LF line
// ends.
#include <cmath>
#include <string>
#include <string_view>

#include "common/data_file_layout.h"
#include "frontend/entry/general_format.h"
#include "frontend/project/file_errors.h"

namespace murena {

inline constexpr const char* kNotFiniteMessage =
    "The project holds a value that is not a finite number; it was not saved.";

class RecordText {
 public:
  RecordText& i(int v) { text_ += std::to_string(v); return *this; }
  // A value that is not a finite number would make a file that no reader
  // takes: the save is refused instead (EProjectWriteError).
  RecordText& r(double v) {
    if (!std::isfinite(v)) throw EProjectWriteError(kNotFiniteMessage);
    text_ += formatGeneral(v, 8);
    return *this;
  }
  RecordText& tab() { text_ += '\t'; return *this; }
  RecordText& sp() { text_ += ' '; return *this; }
  RecordText& text(std::string_view s) { text_ += s; return *this; }
  RecordText& placeholder() { text_ += layout::kParameterPlaceholder; return *this; }
  RecordText& endLine() { text_ += "\r\n"; return *this; }

  // A record of one integer on its own line.
  RecordText& intLine(int v) { return i(v).endLine(); }

  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

}  // namespace murena
