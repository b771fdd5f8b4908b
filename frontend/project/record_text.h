#pragma once
// Builder of data-file text: integers in decimal, reals in the general format
// with 8 significant digits, the soil-parameter placeholder, and CR LF line
// ends.
#include <string>
#include <string_view>

#include "common/data_file_layout.h"
#include "frontend/entry/general_format.h"

namespace murena {

class RecordText {
 public:
  RecordText& i(int v) { text_ += std::to_string(v); return *this; }
  RecordText& r(double v) { text_ += formatGeneral(v, 8); return *this; }
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
