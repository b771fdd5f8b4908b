// The engine library's only entry point, exported as IMURENA and _IMURENA.
#include <cstdint>

#include "engine/run_analysis.h"

namespace {
constexpr std::int32_t kInterfaceNumber = 12;

std::int32_t entry(std::int32_t interfaceNumber) {
  if (interfaceNumber != kInterfaceNumber) return 1;
  return murena::runAnalysis();
}
}  // namespace

extern "C" {
__attribute__((visibility("default"))) std::int32_t IMURENA(std::int32_t interfaceNumber) { return entry(interfaceNumber); }
__attribute__((visibility("default"))) std::int32_t _IMURENA(std::int32_t interfaceNumber) { return entry(interfaceNumber); }
}
