#include "engine/text_output.h"

namespace murena {

bool TextOutput::open(const std::string& path) {
  close();
  file_ = std::fopen(path.c_str(), "wb");
  return file_ != nullptr;
}

void TextOutput::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

void TextOutput::line(std::string_view text) {
  if (!file_) return;
  // An empty view may carry a null pointer, which fwrite must not receive.
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), file_);
  std::fputc('\n', file_);
}

}  // namespace murena
