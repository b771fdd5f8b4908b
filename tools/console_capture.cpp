#include "tools/console_capture.h"

#include <fcntl.h>
#include <unistd.h>

#include <iostream>

namespace murena::runner {

ConsoleCapture::ConsoleCapture() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  file_ = std::tmpfile();
  if (file_ == nullptr) return;
  savedOut_ = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
  savedErr_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
  if (savedOut_ < 0 || savedErr_ < 0 || dup2(fileno(file_), STDOUT_FILENO) < 0 ||
      dup2(fileno(file_), STDERR_FILENO) < 0) {
    restore();
    std::fclose(file_);
    file_ = nullptr;
  }
}

ConsoleCapture::~ConsoleCapture() {
  restore();
  if (file_ != nullptr) std::fclose(file_);
}

void ConsoleCapture::restore() {
  std::fflush(nullptr);
  if (savedOut_ >= 0) {
    dup2(savedOut_, STDOUT_FILENO);
    close(savedOut_);
    savedOut_ = -1;
  }
  if (savedErr_ >= 0) {
    dup2(savedErr_, STDERR_FILENO);
    close(savedErr_);
    savedErr_ = -1;
  }
}

std::string ConsoleCapture::finish() {
  restore();
  if (file_ == nullptr) return {};
  std::string text;
  long size = std::fseek(file_, 0, SEEK_END) == 0 ? std::ftell(file_) : -1;
  if (size > 0) {
    long start = size > kMaxKept ? size - kMaxKept : 0;
    if (start > 0) {
      char note[80];
      std::snprintf(note, sizeof note, "(%ld bytes of console messages left out)\n", start);
      text = note;
    }
    std::fseek(file_, start, SEEK_SET);
    std::string part(static_cast<std::size_t>(size - start), '\0');
    part.resize(std::fread(part.data(), 1, part.size(), file_));
    text += part;
  }
  std::fclose(file_);
  file_ = nullptr;
  return text;
}

}  // namespace murena::runner
