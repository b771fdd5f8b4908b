#include "frontend/entry/word_reader.h"

#include <cmath>

#include "frontend/entry/general_format.h"
#include "frontend/entry/text_lines.h"

namespace murena {

namespace {

constexpr const char* kRealExpected = "A floating point number was expected but not found.";

[[noreturn]] void itemError(size_t line, size_t item, const char* expected) {
  throw WordReaderError("Error on Line " + std::to_string(line + 1) + " Item " + std::to_string(item + 1) + "\n" +
                        expected);
}

}  // namespace

TWordReader::TWordReader(const std::string& path) {
  std::string content;
  if (!readWholeFile(path, content)) throw WordReaderError("Cannot open file \"" + path + "\"");
  load(content);
}

TWordReader TWordReader::fromText(std::string_view text) {
  TWordReader reader;
  reader.load(text);
  return reader;
}

void TWordReader::load(std::string_view text) {
  lines_ = splitTextLines(text);
  items_.clear();
  items_.reserve(lines_.size());
  for (const std::string& line : lines_) {
    // The line is trimmed of blanks and control characters at both ends (an
    // end-of-file mark or form feed of an old file is no item), then split.
    const auto blankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t i = 0;
    size_t end = line.size();
    while (i < end && blankOrControl(line[i])) ++i;
    while (end > i && blankOrControl(line[end - 1])) --end;
    std::vector<std::string> items;
    while (i < end) {
      while (i < end && (line[i] == ' ' || line[i] == '\t')) ++i;
      const size_t start = i;
      while (i < end && line[i] != ' ' && line[i] != '\t') ++i;
      if (i > start) items.push_back(line.substr(start, i - start));
    }
    items_.push_back(std::move(items));
  }
  line_ = 0;
  item_ = 0;
}

void TWordReader::toNextItem() {
  while (line_ < lines_.size() && item_ >= items_[line_].size()) {
    ++line_;
    item_ = 0;
  }
  if (line_ >= lines_.size()) throw WordReaderError("This file either invalid or incomplete.");
}

void TWordReader::advanceItem() {
  if (++item_ >= items_[line_].size()) {
    ++line_;
    item_ = 0;
  }
}

double TWordReader::nextReal() {
  toNextItem();
  double value = 0;
  if (!parseDecimal(items_[line_][item_], value)) itemError(line_, item_, kRealExpected);
  lastLine_ = line_;
  lastItem_ = item_;
  advanceItem();
  return value;
}

void TWordReader::failLastReal() const { itemError(lastLine_, lastItem_, kRealExpected); }

int TWordReader::nextInteger() {
  toNextItem();
  long double value = 0;
  if (!parseDecimal(items_[line_][item_], value) || value != std::trunc(value) || value < -2147483648.0L ||
      value > 2147483647.0L)
    itemError(line_, item_, "An integer was expected but not found.");
  advanceItem();
  return static_cast<int>(value);
}

std::string TWordReader::restOfLine() {
  if (atEnd()) throw WordReaderError("This file either invalid or incomplete.");
  std::string line = lines_[line_];
  ++line_;
  item_ = 0;
  return line;
}

int TWordReader::itemCount() const { return atEnd() ? 0 : static_cast<int>(items_[line_].size()); }

}  // namespace murena
