#include "engine/report_head.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "engine/report_line.h"

namespace murena {
namespace {

constexpr const char* kStarLine = "**************************************************";

struct PathParts {
  std::string drive, folder, name, extension;
};

// Splits a path into drive (always empty here), folder (with its trailing
// separator), name and extension (with its dot).
PathParts splitPath(const std::string& path) {
  PathParts parts;
  std::string trimmed = path;
  while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) trimmed.pop_back();
  size_t slash = trimmed.find_last_of('/');
  std::string file = trimmed;
  if (slash != std::string::npos) {
    parts.folder = trimmed.substr(0, slash + 1);
    file = trimmed.substr(slash + 1);
  }
  size_t dot = file.find_last_of('.');
  if (dot != std::string::npos && dot > 0) {
    parts.name = file.substr(0, dot);
    parts.extension = file.substr(dot);
  } else {
    parts.name = file;
  }
  return parts;
}

// The time of the run: MURENA_FIXED_TIME (YYYY-MM-DDTHH:MM:SS) when set, so
// that reports can be compared byte for byte, else the local clock.
std::tm timeOfRun() {
  std::tm t{};
  if (const char* fixed = std::getenv("MURENA_FIXED_TIME")) {
    int y, mo, d, h, mi, s;
    if (std::sscanf(fixed, "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s) == 6 && mo >= 1 && mo <= 12) {
      t.tm_year = y - 1900;
      t.tm_mon = mo - 1;
      t.tm_mday = d;
      t.tm_hour = h;
      t.tm_min = mi;
      t.tm_sec = s;
      return t;
    }
  }
  std::time_t now = std::time(nullptr);
  localtime_r(&now, &t);
  return t;
}

}  // namespace

void writeFramedHeading(TextOutput& out, std::string_view title) {
  out << Line().b(6).text(kStarLine).str();
  out << Line().b(6).text(title).str();
  out << Line().b(6).text(kStarLine).str();
}

void writeBlockHeading(RunContext& ctx) {
  ctx.report.line({});
  if (ctx.block.control.stageCount >= 2)
    ctx.report << Line().b(6).text("Stage No :").I(ctx.blockNumber, 2).b(2).A(ctx.firstTitle, 70).str();
  else if (isLongTermBlock(ctx))
    ctx.report << Line().b(6).text("Long Term :").b(2).A(ctx.firstTitle, 70).str();
  else
    ctx.report << Line().b(6).A(ctx.blockTitle, 70).str();
}

void writeReportHead(RunContext& ctx) {
  TextOutput& r = ctx.report;
  if (ctx.blockNumber > 1) r.emptyLines(2);
  r << Line().rule('=').str();
  r.line({});
  r << Line().b(20).text("  MURENA for Windows, Version ").A(ctx.versionText, 12).str();
  r.line({});
  r << Line().b(20).text("   A Program for the Analysis of ").str();
  r << Line().b(20).text("   Flexible Retaining Walls ").str();
  r.line({});
  r << Line().rule('=').str();
  r.emptyLines(2);

  PathParts input = splitPath(ctx.inputPath);
  PathParts report = splitPath(ctx.reportPath);
  PathParts plot = splitPath(ctx.plotPath);
  r << Line().b(5).text("Path to file locations      : ").text(input.drive).text(input.folder).str();
  r << Line().b(5).text("Name of input data file     : ").text(input.name).text(input.extension).str();
  r << Line().b(5).text("Name of output file         : ").text(report.name).text(report.extension).str();
  r << Line().b(5).text("Name of plot output file    : ").text(plot.name).text(plot.extension).str();
  r.line({});

  static constexpr const char* kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
  std::tm t = timeOfRun();
  r << Line().rule('-').str();
  r << Line().b(26).text("Time and Date of Analysis").str();
  r << Line().rule('-').str();
  r.line({});
  r << Line()
           .b(15).text("Date:  ").text(kMonths[t.tm_mon]).text(" ").Im(t.tm_mday, 2, 2).text(", ").I(t.tm_year + 1900, 4)
           .b(5).text("Time:  ").Im(t.tm_hour, 2, 2).text(":").Im(t.tm_min, 2, 2).text(":").Im(t.tm_sec, 2, 2)
           .str();
  writeBlockHeading(ctx);
}

}  // namespace murena
