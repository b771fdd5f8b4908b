#pragma once
// The messages of the data-entry layer.  Each is an exception carrying the
// exact text that the windows show in an information box.
#include <stdexcept>
#include <string>

namespace murena {

// Base of every message of this layer; what() is the text to show.
class MessageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  std::string message() const { return what(); }
};

// A refused entry: a cell or field text that does not evaluate or breaks the
// column's or field's rules.  The entry is not stored.
class EntryError : public MessageError {
 public:
  using MessageError::MessageError;
};

// A misuse of a table: a cell asked for data of another kind ("Data of wrong
// type"), an invalid property value, a row outside the data rows.
class TableError : public MessageError {
 public:
  using MessageError::MessageError;
};

// A failure while reading table definitions.  what() is the message (for the
// columns: "Error reading column count", "Error occured when creating column
// %d: %s", "Error reading graphic parameters"); line() is the 1-based line of
// the definitions text where reading stopped, 0 when not known.
class StreamError : public MessageError {
 public:
  explicit StreamError(const std::string& message, int line = 0) : MessageError(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// A failure of TWordReader ("This file either invalid or incomplete.", or an
// item that is not the number expected, with its line and item).
class WordReaderError : public MessageError {
 public:
  using MessageError::MessageError;
};

}  // namespace murena
