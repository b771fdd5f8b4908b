#include "frontend/project/dynamic_library.h"

#include <dlfcn.h>

#include <filesystem>

namespace murena {

void TDynamicLibrary::setPath(const std::string& path) {
  close();
  path_ = path;
}

void TDynamicLibrary::open() {
  if (handle_ != nullptr) return;
  systemMessage_.clear();
  std::error_code ec;
  if (path_.empty() || !std::filesystem::is_regular_file(path_, ec)) {
    systemMessage_ = path_ + ": no such file";
    throw EFileNotFoundError();
  }
  dlerror();
  handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ != nullptr) return;
  const char* reason = dlerror();
  systemMessage_ = reason ? reason : "unknown reason";
  // A library it needs is missing: the loader names that one.
  if (systemMessage_.find("cannot open shared object file") != std::string::npos) throw EFileNotFoundError();
  // Symbols it needs are not there: it cannot be set up.
  if (systemMessage_.find("undefined symbol") != std::string::npos) throw EInitError();
}

void* TDynamicLibrary::procedureAddress(const std::string& name) const {
  if (handle_ == nullptr) throw EDLLNotOpenError();
  dlerror();
  return dlsym(handle_, name.c_str());
}

void TDynamicLibrary::close() {
  if (handle_ == nullptr) return;
  dlclose(handle_);
  handle_ = nullptr;
}

}  // namespace murena
