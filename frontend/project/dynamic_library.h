#pragma once
// A shared library loaded by its full path for a while: the engine library is
// loaded for each analysis run, its entry looked up by name, and unloaded
// right after the run, so that no engine state survives between runs.
#include <stdexcept>
#include <string>

namespace murena {

// Failures of TDynamicLibrary.
class EDLLError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// The library was found but its initialisation failed.
class EInitError : public EDLLError {
 public:
  EInitError() : EDLLError("Library failed to properly initialize") {}
};
// The library, or a library it needs, was not found.
class EFileNotFoundError : public EDLLError {
 public:
  EFileNotFoundError() : EDLLError("Library could not be located") {}
};
// An address was asked of a library that is not loaded.
class EDLLNotOpenError : public EDLLError {
 public:
  EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
 public:
  explicit TDynamicLibrary(std::string path = {}) : path_(std::move(path)) {}
  ~TDynamicLibrary() { close(); }
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  // Closes the library when open and keeps the new path.
  void setPath(const std::string& path);
  const std::string& path() const { return path_; }

  // Loads the library by its full path; nothing when it is already open.
  // EFileNotFoundError when the library or one it needs is missing,
  // EInitError when its initialisation failed; any other failure leaves it
  // closed without raising (systemMessage() tells why).
  void open();
  bool isOpen() const { return handle_ != nullptr; }
  // The exported address, null when the name is absent; EDLLNotOpenError
  // when the library is not open.
  void* procedureAddress(const std::string& name) const;
  // Unloads the library and forgets the handle.
  void close();

  // The loader's own explanation of the last failed open.
  const std::string& systemMessage() const { return systemMessage_; }

 private:
  std::string path_;
  void* handle_ = nullptr;
  std::string systemMessage_;
};

}  // namespace murena
