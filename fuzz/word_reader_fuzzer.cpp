// libFuzzer harness: every input is read with the token reader, taking
// integers, reals, item counts and whole lines in turn until it is at its
// end.  Every failure must be one of the reader's messages, and every read
// must move forward or fail.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "frontend/entry/word_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using murena::TWordReader;
  using murena::WordReaderError;
  TWordReader in = TWordReader::fromText(std::string_view(reinterpret_cast<const char*>(data), size));
  unsigned step = 0;
  while (!in.atEnd()) {
    const int line = in.lineNumber();
    if (in.itemCount() < 0) std::abort();
    try {
      switch (step++ % 4) {
        case 0: {
          const int value = in.nextInteger();
          (void)value;
          break;
        }
        case 1:
          if (!std::isfinite(in.nextReal())) std::abort();
          break;
        case 2:
          in.restOfLine();
          if (in.lineNumber() != line + 1) std::abort();
          break;
        default:
          in.itemCount();
          break;
      }
    } catch (const WordReaderError&) {
      // Past the item that failed; a number asked for after the last item
      // has moved over the blank lines to the end.
      if (!in.atEnd()) in.restOfLine();
    }
    if (in.lineNumber() < line) std::abort();
  }
  try {
    in.nextReal();
    std::abort();  // nothing is left to read
  } catch (const WordReaderError&) {
  }
  return 0;
}
