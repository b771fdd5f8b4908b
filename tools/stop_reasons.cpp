#include "tools/stop_reasons.h"

#include "frontend/entry/text_lines.h"
#include "tools/field_text.h"

namespace murena::runner {
namespace {

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Stops without a code, known by the warning the engine writes before them.
struct WarnedStop {
  std::string_view warning;
  std::string_view meaning;
};
constexpr WarnedStop kWarnedStops[] = {
    {"THE INPUT PHI CURVE",
     "a p-y curve depth lies below the friction angles of the soil layers (the soil profile ends above the "
     "tip of the wall)"},
    {"friction angle of the sand",
     "a silt layer has a friction angle of 0 at a p-y curve depth (silt needs a friction angle greater than 0)"},
    {"THE COHESIVE STRENGTH IS 0 FOR ROCK",
     "a weak-rock layer has a uniaxial compressive strength of 0 below its top"},
    {"NOT ENOUGH MEMORY FOR THE ANALYSIS", "the engine found not enough memory for the analysis"},
    {"PLEASE CREATE AN INPUT DATA FILE", "the engine could not read the four file paths of NAMES.dat"},
};

}  // namespace

StopReason stopReason(std::string_view consoleText) {
  std::vector<std::string> lines = splitTextLines(consoleText);
  std::string_view last;
  for (const std::string& line : lines)
    if (!trimmedText(line).empty()) last = trimmedText(line);

  StopReason reason;
  if (!last.empty() && last.size() <= 4 && last.find_first_not_of("0123456789") == std::string_view::npos) {
    reason.code = std::string(last);
    if (reason.code == "1")
      reason.meaning = contains(consoleText, "THE INPUT STRENGTH CURVE")
                           ? "a p-y curve depth lies below the strengths of the soil layers (the soil profile "
                             "ends above the tip of the wall)"
                           : "the excavation level (the free height of the wall) lies below the bottom of the "
                             "soil profile";
    else if (reason.code == "2")
      reason.meaning = "the soil profile would need more than 21 pressure layers (the soil layers as cut by the "
                       "water table and the excavation level)";
    else if (reason.code == "4")
      reason.meaning = "a p-y curve depth lies below the unit weights of the soil layers (the soil profile ends "
                       "above the tip of the wall)";
    return reason;
  }
  for (const WarnedStop& stop : kWarnedStops)
    if (contains(consoleText, stop.warning)) {
      reason.meaning = std::string(stop.meaning);
      return reason;
    }
  return reason;
}

std::string stopMessage(const StopReason& reason, const std::string& reportLastLine) {
  std::string message = reason.code.empty() ? std::string("the run stopped before END OF ANALYSIS")
                                            : "the run stopped with stop code " + reason.code;
  if (!reason.meaning.empty()) return message + ": " + reason.meaning;
  if (!reportLastLine.empty()) return message + "; the report ends with \"" + reportLastLine + "\"";
  return message + "; the report is empty";
}

}  // namespace murena::runner
