#pragma once
// The engine as an analysis run sees it: a library loaded from its file, one
// entry called with the interface number, unloaded again.  The program uses
// TLibraryEngine; tests put a stand-in in its place.
#include <cstdint>
#include <string>

#include "frontend/project/dynamic_library.h"

namespace murena {

// The engine library's file name and its entry.
inline constexpr const char* kEngineLibraryName = "Murena2015_DLL.so";
inline constexpr const char* kEngineEntryName = "_IMURENA";
// The interface number the front end passes; the entry returns 1 when the
// library does not accept it.
inline constexpr int kEngineInterfaceNumber = 12;

class EngineBinding {
 public:
  virtual ~EngineBinding() = default;
  // Loads the library and looks up the entry; EDLLError when either fails.
  virtual void load(const std::string& libraryPath) = 0;
  // Calls the entry once; returns what it returns.
  virtual int callEntry(int interfaceNumber) = 0;
  // Unloads the library (nothing when it is not loaded).
  virtual void unload() = 0;
};

class TLibraryEngine final : public EngineBinding {
 public:
  void load(const std::string& libraryPath) override;
  int callEntry(int interfaceNumber) override;
  void unload() override;

 private:
  using Entry = std::int32_t (*)(std::int32_t);
  TDynamicLibrary library_;
  Entry entry_ = nullptr;
};

}  // namespace murena
