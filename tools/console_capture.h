#pragma once
// Catches what the engine writes to the process's standard output and
// standard error while it runs inside this process: both descriptors point
// to an unnamed temporary file until finish() puts them back.
#include <cstdio>
#include <string>

namespace murena::runner {

class ConsoleCapture {
 public:
  ConsoleCapture();  // starts catching; ok() tells whether it could
  ~ConsoleCapture();  // puts the descriptors back if finish() was not called
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  bool ok() const { return file_ != nullptr; }
  // Stops catching and returns the text caught (at most its last
  // `kMaxKept` bytes, after a line that tells how much was left out).
  std::string finish();

  static constexpr long kMaxKept = 1 << 20;

 private:
  void restore();
  std::FILE* file_ = nullptr;
  int savedOut_ = -1, savedErr_ = -1;
};

}  // namespace murena::runner
