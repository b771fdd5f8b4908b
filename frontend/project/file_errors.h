#pragma once
// Input/output failure while writing a project file (disk full, permission,
// missing folder); the message names the file and the system's reason.
#include <stdexcept>
#include <string>

namespace murena {

class EProjectWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace murena
