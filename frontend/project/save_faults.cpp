#include "frontend/project/save_faults.h"

#include <utility>

namespace murena {
namespace {

SaveFault& installedFault() {
  static SaveFault fault;
  return fault;
}

}  // namespace

ScopedSaveFault::ScopedSaveFault(SaveFault fault) { installedFault() = std::move(fault); }

ScopedSaveFault::~ScopedSaveFault() { installedFault() = nullptr; }

int injectedSaveFault(SaveStep step, const std::string& target) {
  const SaveFault& fault = installedFault();
  return fault ? fault(step, target) : 0;
}

}  // namespace murena
