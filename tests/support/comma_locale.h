#pragma once
// Switches the C library's number formatting to a locale whose decimal
// separator is a comma, as Qt does with the user's locale when a desktop
// program starts (de_DE, fr_FR ...), and restores it afterwards.  When no
// such locale is installed, de_DE.UTF-8 is compiled from the system's locale
// sources (Debian package "locales") into a private folder named by LOCPATH.
// Tests skip when neither is possible.
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace murena::testing_support {

class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
    if (choose() || (compilePrivateLocale() && choose({kPrivateName}))) return;
    std::setlocale(LC_NUMERIC, before_.c_str());
  }
  ~CommaDecimalLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

  // False when no locale with a decimal comma is installed.
  bool active() const { return active_; }

 private:
  // The private locale has a name of its own: the C library remembers names
  // it failed to find.
  static constexpr const char* kPrivateName = "murena_comma_decimal";

  bool choose(std::initializer_list<const char*> names = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                                                           "de_DE", "fr_FR"}) {
    for (const char* name : names)
      if (std::setlocale(LC_NUMERIC, name) != nullptr && *std::localeconv()->decimal_point == ',') {
        active_ = true;
        return true;
      }
    return false;
  }
  // Once per process; the folder stays for the process's later setlocale
  // calls and is removed at its exit.
  static bool compilePrivateLocale() {
    struct Folder {
      std::filesystem::path path;
      ~Folder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
      }
    };
    static Folder folder;
    static const bool compiled = [] {
      std::error_code ec;
      folder.path = std::filesystem::temp_directory_path(ec) / ("murena-locale-" + std::to_string(::getpid()));
      std::filesystem::create_directories(folder.path, ec);
      const std::filesystem::path locale = folder.path / kPrivateName;
      const std::string command = "localedef -c -i de_DE -f UTF-8 '" + locale.string() + "' >/dev/null 2>&1";
      if (std::system(command.c_str()) == -1 || !std::filesystem::exists(locale / "LC_NUMERIC", ec)) return false;
      return ::setenv("LOCPATH", folder.path.c_str(), 1) == 0;
    }();
    return compiled;
  }

  std::string before_;
  bool active_ = false;
};

}  // namespace murena::testing_support
