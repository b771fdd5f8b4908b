// libFuzzer harness: every input is a numeric entry for the expression
// evaluator.  It either gives a finite value or refuses the entry with one
// of its messages, in time proportional to the entry's length.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "frontend/entry/entry_errors.h"
#include "frontend/entry/expression_evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view entry(reinterpret_cast<const char*>(data), size);
  try {
    if (!std::isfinite(murena::evaluateExpression(entry))) std::abort();
  } catch (const murena::EntryError& e) {
    if (std::string_view(e.what()).rfind("Entry could not be evaluated:\n", 0) != 0) std::abort();
  }
  return 0;
}
