#include "frontend/project/engine_binding.h"

namespace murena {

void TLibraryEngine::load(const std::string& libraryPath) {
  library_.setPath(libraryPath);
  entry_ = nullptr;
  library_.open();
  void* address = library_.procedureAddress(kEngineEntryName);
  // A library without the entry is no engine: calling it must not happen.
  if (address == nullptr) {
    library_.close();
    throw EDLLError(std::string("The library exports no ") + kEngineEntryName);
  }
  entry_ = reinterpret_cast<Entry>(address);
}

int TLibraryEngine::callEntry(int interfaceNumber) {
  if (entry_ == nullptr || !library_.isOpen()) throw EDLLNotOpenError();
  return entry_(interfaceNumber);
}

void TLibraryEngine::unload() {
  entry_ = nullptr;
  library_.close();
}

}  // namespace murena
