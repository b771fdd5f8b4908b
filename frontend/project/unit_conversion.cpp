#include "frontend/project/unit_conversion.h"

#include <cctype>
#include <cmath>

#include "common/unit_system.h"

namespace murena {
namespace {

bool convertsValues(int fromSystem, int toSystem) {
  return (fromSystem == kEnglishUnits && toSystem == kSIUnits) ||
         (fromSystem == kSIUnits && toSystem == kEnglishUnits);
}

// Factor of one placeholder kind from SI to English.
double siToEnglish(char letter, char digit) {
  if (letter == 'F') {
    switch (digit) {
      case '1': return 0.2248089237;
      case '2': return 0.1124044745;
      case '4': return 5.7101483;
      case '5': return 1;
      case '6': return 68.364249;
      default: return 224.8089237;
    }
  }
  switch (digit) {
    case '1': return 0.03937007874;
    case '2': return 3.280839895;
    case '3': return 1;
    default: return 39.37007874;
  }
}

double partFactor(std::string_view part, bool toEnglish) {
  double factor = 1;
  for (size_t i = 0; i < part.size(); ++i) {
    const char letter = part[i];
    if (letter != 'F' && letter != 'L') continue;
    char digit = 0;
    if (i + 1 < part.size() && std::isdigit(static_cast<unsigned char>(part[i + 1]))) digit = part[++i];
    int power = 1;
    if (i + 1 < part.size() && part[i + 1] == '^') {
      ++i;
      int p = 0;
      bool any = false;
      while (i + 1 < part.size() && std::isdigit(static_cast<unsigned char>(part[i + 1])) && p < 100) {
        p = p * 10 + (part[++i] - '0');
        any = true;
      }
      if (any) power = p;
    }
    const double kind = siToEnglish(letter, digit);
    factor *= std::pow(toEnglish ? kind : 1 / kind, power);
  }
  return factor;
}

}  // namespace

double scalarLengthFactor(int fromSystem, int toSystem) {
  if (!convertsValues(fromSystem, toSystem)) return 1;
  return toSystem == kSIUnits ? 0.0254 : 39.3701;
}

double scalarForceFactor(int fromSystem, int toSystem) {
  if (!convertsValues(fromSystem, toSystem)) return 1;
  return toSystem == kSIUnits ? 0.004448222468060650624 : 224.8089;
}

double templateFactor(std::string_view unitsTemplate, int fromSystem, int toSystem) {
  if (!convertsValues(fromSystem, toSystem)) return 1;
  const bool toEnglish = toSystem == kEnglishUnits;
  const size_t slash = unitsTemplate.find('/');
  if (slash == std::string_view::npos) return partFactor(unitsTemplate, toEnglish);
  return partFactor(unitsTemplate.substr(0, slash), toEnglish) /
         partFactor(unitsTemplate.substr(slash + 1), toEnglish);
}

}  // namespace murena
