#pragma once
// Switches the C library's number formatting to a locale whose decimal
// separator is a comma, as Qt does with the user's locale when a desktop
// program starts (de_DE, fr_FR ...), and restores it afterwards.  Tests skip
// when no such locale is installed.
#include <clocale>
#include <string>

namespace murena::testing_support {

class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"})
      if (std::setlocale(LC_NUMERIC, name) != nullptr && *std::localeconv()->decimal_point == ',') {
        active_ = true;
        return;
      }
    std::setlocale(LC_NUMERIC, before_.c_str());
  }
  ~CommaDecimalLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

  // False when no locale with a decimal comma is installed.
  bool active() const { return active_; }

 private:
  std::string before_;
  bool active_ = false;
};

}  // namespace murena::testing_support
