#include "tools/summary_output.h"

#include <cstdio>

namespace murena::runner {
namespace {

std::string number(double value, const char* format) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string extremeText(const std::optional<Extreme>& extreme, const char* unit, const char* lengthUnit) {
  if (!extreme) return "none";
  return number(extreme->value, "%.6g") + " " + unit + " at depth " + number(extreme->depth, "%.6g") + " " +
         lengthUnit;
}

std::string jsonNumber(const std::optional<double>& value) {
  return value ? number(*value, "%.10g") : "null";
}

std::optional<double> valueOf(const std::optional<Extreme>& extreme) {
  return extreme ? std::optional<double>(extreme->value) : std::nullopt;
}

std::optional<double> depthOf(const std::optional<Extreme>& extreme) {
  return extreme ? std::optional<double>(extreme->depth) : std::nullopt;
}

const char* jsonBool(bool value) { return value ? "true" : "false"; }

std::string pathOrNull(const std::string& path) { return path.empty() ? std::string("null") : jsonString(path); }

}  // namespace

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string summaryText(const RunSummary& s) {
  SummaryUnits units = summaryUnits(s.results.unitsCode);
  std::string text = s.dataFile + "\n";
  if (!s.error.empty()) text += "  error             : " + s.error + "\n";
  if (!s.warning.empty()) text += "  warning           : " + s.warning + "\n";
  if (!s.engineCalled) return text;
  if (s.iterations) {
    const char* state = s.closed                 ? "solution closed"
                        : !s.error.empty()       ? "no usable solution"
                        : s.deflectionExceeded   ? "solution NOT closed, allowable deflection exceeded"
                                                 : "solution NOT closed within tolerance";
    text += "  iterations        : " + std::to_string(*s.iterations) + " (" + state + ")\n";
  } else {
    text += "  iterations        : none (no results in the report)\n";
  }
  if (s.results.unitsCode != 0) {
    text += "  units             : " + std::string(units.system) + "\n";
    text += "  largest deflection: " + extremeText(s.results.deflection, units.length, units.length) + "\n";
    text += "  largest moment    : " + extremeText(s.results.moment, units.moment, units.length) + "\n";
    text += "  largest shear     : " + extremeText(s.results.shear, units.force, units.length) + "\n";
  }
  if (!s.reportFile.empty()) text += "  report            : " + s.reportFile + "\n";
  if (!s.plotFile.empty()) text += "  plot data         : " + s.plotFile + "\n";
  if (!s.notesFile.empty()) text += "  run notes         : " + s.notesFile + "\n";
  text += std::string("  end of analysis   : ") + (s.endOfAnalysis ? "reached" : "NOT reached") + "\n";
  return text;
}

std::string summaryJson(const RunSummary& s) {
  SummaryUnits units = summaryUnits(s.results.unitsCode);
  bool haveUnits = s.results.unitsCode != 0;
  auto unit = [&](const char* label) { return haveUnits ? jsonString(label) : std::string("null"); };
  std::string j = "{";
  j += "\"file\":" + jsonString(s.dataFile);
  j += std::string(",\"ok\":") + jsonBool(!s.failed());
  j += std::string(",\"endOfAnalysis\":") + jsonBool(s.endOfAnalysis);
  j += ",\"iterations\":" + (s.iterations ? std::to_string(*s.iterations) : std::string("null"));
  j += std::string(",\"closed\":") + jsonBool(s.closed);
  j += std::string(",\"deflectionExceeded\":") + jsonBool(s.deflectionExceeded);
  j += ",\"units\":" + unit(units.system);
  j += ",\"lengthUnit\":" + unit(units.length);
  j += ",\"forceUnit\":" + unit(units.force);
  j += ",\"momentUnit\":" + unit(units.moment);
  j += ",\"maxDeflection\":" + jsonNumber(valueOf(s.results.deflection));
  j += ",\"maxDeflectionDepth\":" + jsonNumber(depthOf(s.results.deflection));
  j += ",\"maxMoment\":" + jsonNumber(valueOf(s.results.moment));
  j += ",\"maxMomentDepth\":" + jsonNumber(depthOf(s.results.moment));
  j += ",\"maxShear\":" + jsonNumber(valueOf(s.results.shear));
  j += ",\"maxShearDepth\":" + jsonNumber(depthOf(s.results.shear));
  j += ",\"report\":" + pathOrNull(s.reportFile);
  j += ",\"plot\":" + pathOrNull(s.plotFile);
  j += ",\"runNotes\":" + pathOrNull(s.notesFile);
  j += ",\"stopCode\":" + (s.stopCode ? jsonString(*s.stopCode) : std::string("null"));
  j += ",\"error\":" + (s.error.empty() ? std::string("null") : jsonString(s.error));
  j += ",\"warning\":" + (s.warning.empty() ? std::string("null") : jsonString(s.warning));
  return j + "}";
}

}  // namespace murena::runner
