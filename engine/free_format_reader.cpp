#include "engine/free_format_reader.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <locale.h>
#include <stdlib.h>

#include "engine/run_errors.h"

namespace murena {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v'; }

bool isIntegerText(const std::string& t) {
  size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
  if (i == t.size()) return false;
  for (; i < t.size(); ++i)
    if (t[i] < '0' || t[i] > '9') return false;
  return true;
}

// Accepts the real forms of list-directed input: [sign] digits [. digits]
// or [sign] . digits, with an optional exponent E, D or Q (or a bare signed
// exponent as in 1.5-3).  Returns false for anything else.
bool parseReal(const std::string& t, double& value) {
  std::string s;
  size_t i = 0, n = t.size();
  if (i < n && (t[i] == '+' || t[i] == '-')) s.push_back(t[i++]);
  size_t digits = 0;
  while (i < n && t[i] >= '0' && t[i] <= '9') { s.push_back(t[i++]); ++digits; }
  if (i < n && t[i] == '.') {
    s.push_back(t[i++]);
    while (i < n && t[i] >= '0' && t[i] <= '9') { s.push_back(t[i++]); ++digits; }
  }
  if (digits == 0) return false;
  if (i < n) {
    char c = t[i];
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D' || c == 'q' || c == 'Q') ++i;
    else if (c != '+' && c != '-') return false;
    s.push_back('E');
    if (i < n && (t[i] == '+' || t[i] == '-')) s.push_back(t[i++]);
    size_t expDigits = 0;
    while (i < n && t[i] >= '0' && t[i] <= '9') { s.push_back(t[i++]); ++expDigits; }
    if (expDigits == 0 || i != n) return false;
  }
  errno = 0;
  // The C locale's ".", whatever locale the program calling the engine runs
  // in (a desktop program runs in the user's, where it may be ",").
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  value = cLocale != static_cast<locale_t>(nullptr) ? strtod_l(s.c_str(), nullptr, cLocale)
                                                    : std::strtod(s.c_str(), nullptr);
  return std::isfinite(value);
}

}  // namespace

bool FreeFormatReader::openFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::string text;
  char buf[65536];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, got);
  std::fclose(f);
  setText(std::move(text));
  return true;
}

void FreeFormatReader::setText(std::string text) {
  text_ = std::move(text);
  pos_ = 0;
  line_ = tokenLine_ = 1;
  item_ = 0;
  inRead_ = false;
}

void FreeFormatReader::beginRead() {
  item_ = 0;
  inRead_ = true;
}

void FreeFormatReader::endRead() {
  // Skip the rest of the line of the last value taken.
  if (item_ > 0) {
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    if (pos_ < text_.size()) { ++pos_; ++line_; }
  }
  inRead_ = false;
  item_ = 0;
}

std::string FreeFormatReader::nextToken() {
  if (!inRead_) beginRead();
  ++item_;
  while (pos_ < text_.size() && (isSeparator(text_[pos_]) || text_[pos_] == '\n')) {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }
  if (pos_ >= text_.size()) {
    tokenLine_ = line_;
    fail("END OF DATA FILE", {});
  }
  tokenLine_ = line_;
  size_t start = pos_;
  while (pos_ < text_.size() && !isSeparator(text_[pos_]) && text_[pos_] != '\n') ++pos_;
  return text_.substr(start, pos_ - start);
}

int FreeFormatReader::readInt() {
  std::string t = nextToken();
  if (!isIntegerText(t)) fail("INVALID INTEGER", t);
  errno = 0;
  long long v = std::strtoll(t.c_str(), nullptr, 10);
  if (errno == ERANGE || v > INT_MAX || v < INT_MIN) fail("INTEGER OUT OF RANGE", t);
  return static_cast<int>(v);
}

int FreeFormatReader::readIntInRange(int low, int high) {
  int v = readInt();
  if (v < low || v > high) fail("VALUE OUT OF RANGE", std::to_string(v));
  return v;
}

double FreeFormatReader::readReal() {
  std::string t = nextToken();
  double v = 0.0;
  if (!parseReal(t, v)) fail("INVALID NUMBER", t);
  return v;
}

std::string FreeFormatReader::readTextLine() {
  if (pos_ >= text_.size()) {
    tokenLine_ = line_;
    item_ = 0;
    fail("END OF DATA FILE", {});
  }
  size_t end = text_.find('\n', pos_);
  if (end == std::string::npos) end = text_.size();
  std::string lineText = text_.substr(pos_, end - pos_);
  if (!lineText.empty() && lineText.back() == '\r') lineText.pop_back();
  pos_ = end < text_.size() ? end + 1 : end;
  tokenLine_ = line_;
  if (end < text_.size()) ++line_;
  return lineText;
}

bool FreeFormatReader::atEnd() const {
  for (size_t i = pos_; i < text_.size(); ++i)
    if (!isSeparator(text_[i]) && text_[i] != '\n') return false;
  return true;
}

void FreeFormatReader::fail(std::string_view what, std::string_view token) const {
  std::string msg = "     ERROR -- " + std::string(what);
  if (!record_.empty()) msg += " IN " + record_;
  msg += ", LINE " + std::to_string(tokenLine_);
  if (item_ > 0) msg += ", ITEM " + std::to_string(item_);
  if (!token.empty()) {
    std::string shown(token.substr(0, 20));
    for (char& c : shown)
      if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
    msg += ": \"" + shown + "\"";
  }
  throw InputError(msg);
}

}  // namespace murena
