// How murena-run judges a run from the texts the engine left: report lines,
// plot data and console messages, fed to the runner's readers directly.
#include <gtest/gtest.h>

#include <string>

#include "frontend/entry/text_lines.h"
#include "tools/run_summary.h"
#include "tools/stop_reasons.h"

namespace {

using namespace murena::runner;

ReportScan scanReport(const std::string& text) {
  ReportScan scan;
  for (const std::string& line : murena::splitTextLines(text)) scan.addLine(line);
  return scan;
}

PlotScan scanPlot(const std::string& text) {
  PlotScan scan;
  for (const std::string& line : murena::splitTextLines(text)) scan.addLine(line);
  return scan;
}

const std::string kTableHead =
    "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI \n"
    "             IN          IN                   LBS-IN        LBS         LBS       LBS-IN**2\n"
    "   ------    ----        ----       -----      ------      ------    ---------    ----------\n";
const std::string kGoodRows =
    "     0   0.000E+00   0.106E+01  -0.603E-02   0.000E+00   0.000E+00   0.000E+00   0.150E+10\n"
    "     1   0.600E+01   0.103E+01  -0.603E-02   0.000E+00   0.439E+01   0.878E+01   0.300E+10\n";
const std::string kEnd = "\n\n\n     END OF ANALYSIS                             \n";

std::string results(int iteration, const std::string& notices, const std::string& rows) {
  return "\n\n     RESULTS -- ITERATION" + std::string(iteration < 10 ? "  " : iteration < 100 ? " " : "") +
         std::to_string(iteration) + "\n     --------------------\n" + notices + "\n" + kTableHead + rows;
}

const std::string kGoodPlot =
    " 2\n  0.000E+00   0.000E+00   0.100E-06   0.000E+00\n  0.600E+01   0.146E+01   0.146E+01   0.000E+00\n"
    " 1 0\n"
    " 1 3 1\n"
    "    0.0000E+00    0.1063E+01    0.0000E+00    0.0000E+00    0.0000E+00\n"
    "    0.6000E+01    0.1030E+01   -0.2000E+03    0.4390E+01    0.8780E+01\n"
    "    0.1200E+02   -0.5000E+01    0.9000E+03   -0.1000E+02    0.0000E+00\n";

TEST(ReportScan, LastResultsBlockDecidesIterationsAndNotices) {
  ReportScan scan = scanReport(
      results(100, "\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n", kGoodRows) +
      "\n\n     =========================================================================\n" +
      results(4, "", kGoodRows) + kEnd);
  EXPECT_TRUE(scan.endOfAnalysis);
  EXPECT_EQ(scan.iterations, 4);
  EXPECT_FALSE(scan.notClosed) << "the first block's notice belongs to the first block";
  EXPECT_EQ(scan.inputError, "");
  EXPECT_EQ(scan.unfitResult, "");

  ReportScan exceeded = scanReport(
      results(2, "\n     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***  61  *** STATIONS *****\n", kGoodRows) + kEnd);
  EXPECT_TRUE(exceeded.deflectionExceeded);
  EXPECT_EQ(exceeded.exceededStations, 61);
}

TEST(ReportScan, InputErrorLinesAreTheEnginesOwnNotEchoedTitles) {
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"\n\n     ERROR STOP -- STATIONS NOT IN ORDER" + kEnd, "ERROR STOP -- STATIONS NOT IN ORDER"},
      {"\n\n     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END" + kEnd, "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
      {"\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n" + kEnd, "TOO MUCH DATA FOR AVAILABLE STORAGE"},
      {"\n\n     ERROR -- A\n\n     ERROR -- B" + kEnd, "ERROR -- A"},
      // A title is echoed with six leading blanks; it is the user's text.
      {"      ERROR -- my title\n" + results(3, "", kGoodRows) + kEnd, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(scanReport(c.text).inputError, c.error) << c.text;
}

TEST(ReportScan, ResultRowsMustHoldFiniteNumbersThatFitTheirFields) {
  const std::pair<std::string, std::string> cases[] = {
      {"     2   0.120E+02   0.990E+00  -0.603E-02************************   0.175E+02   0.300E+10\n", "row 2"},
      {"     2   0.120E+02         nan  -0.603E-02   0.527E+02   0.175E+02   0.175E+02   0.300E+10\n", "row 2: nan"},
      {"     2   0.120E+02        -inf  -0.603E-02   0.527E+02   0.175E+02   0.175E+02   0.300E+10\n", "row 2: -inf"},
      // Three-digit exponents are written without the letter; they fit.
      {"     2   0.100-299   0.990E+00  -0.603E-02   0.527E+02   0.175E+02   0.175E+02   0.300+301\n", ""},
  };
  for (const auto& [row, unfit] : cases) {
    ReportScan scan = scanReport(results(5, "", kGoodRows + row) + kEnd);
    EXPECT_EQ(scan.unfitResult.substr(0, unfit.size()), unfit) << row;
    EXPECT_EQ(scan.unfitResult.empty(), unfit.empty()) << row;
  }
  // Asterisks of the framed headings before the results are no results.
  ReportScan headings = scanReport("      **************************************************\n"
                                   "      *        PROGRAM CONTROL PARAMETERS              *\n" +
                                   results(5, "", kGoodRows) + kEnd);
  EXPECT_EQ(headings.unfitResult, "");
}

TEST(PlotScan, LastResultRecordGivesTheExtremesWithoutTheStationBelowTheTip) {
  PlotScan scan = scanPlot(kGoodPlot);
  std::optional<PlotResults> r = scan.results();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->unitsCode, 1);
  EXPECT_EQ(r->resultRows, 3);
  ASSERT_TRUE(r->deflection && r->moment && r->shear);
  EXPECT_DOUBLE_EQ(r->deflection->value, 1.063) << "the -5 of the station below the tip is left out";
  EXPECT_DOUBLE_EQ(r->moment->value, -200.0);
  EXPECT_DOUBLE_EQ(r->moment->depth, 6.0);
  EXPECT_EQ(scan.unfitValue(), "");

  EXPECT_FALSE(scanPlot(kGoodPlot.substr(0, kGoodPlot.size() - 90)).results()) << "a truncated record is none";
  EXPECT_EQ(scanPlot(kGoodPlot + " 1 0 1\n").results()->resultRows, 0) << "a record without rows";
}

TEST(PlotScan, EveryItemMustBeAFiniteNumber) {
  const std::pair<std::string, std::string> cases[] = {
      {"    0.6000E+01 *************    0.0E+00    0.0E+00    0.0E+00\n", "line 10: *************"},
      {"    0.6000E+01           NaN    0.0E+00    0.0E+00    0.0E+00\n", "line 10: NaN"},
      {"    0.6000E+01           inf    0.0E+00    0.0E+00    0.0E+00\n", "line 10: inf"},
      {"    0.6000E+01    0.1000+400    0.0E+00    0.0E+00    0.0E+00\n", "line 10: 0.1000+400"},
      {"    0.6000E+01    0.4941-323    0.0E+00    0.0E+00    0.0E+00\n", ""},
  };
  for (const auto& [row, unfit] : cases) EXPECT_EQ(scanPlot(kGoodPlot + " 1 1 1\n" + row).unfitValue(), unfit) << row;
}

TEST(StopReasons, CodesAndWarningsAreNamedWithTheirMeaning) {
  struct Case {
    const char* console;
    const char* code;
    const char* meaning;
  };
  const Case cases[] = {
      {"1\n", "1", "the excavation level (the free height of the wall) lies below the bottom of the soil profile"},
      {" READ SOIL DATA....\n\n                             **** WARNING ****\n     THE VALUE OF X =  0.1D+04"
       "IS BEYOND THE EXTENT OF\n     THE INPUT STRENGTH CURVE\n1\n",
       "1", "a p-y curve depth lies below the strengths"},
      {"2\n", "2", "more than 21 pressure layers"},
      {" READ SOIL DATA....\n4\n", "4", "below the unit weights"},
      {"     THE INPUT PHI CURVE\n", "", "below the friction angles"},
      {"       WARNING-------The Angle of the slope can not\n       friction angle of the sand.   \n", "",
       "silt layer has a friction angle of 0"},
      {"       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n", "", "weak-rock layer"},
      {"7\n", "7", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    StopReason reason = stopReason(c.console);
    EXPECT_EQ(reason.code, c.code) << c.console;
    EXPECT_NE(reason.meaning.find(c.meaning), std::string::npos) << c.console << " gave " << reason.meaning;
    if (*c.meaning == '\0') {
      EXPECT_EQ(reason.meaning, "") << c.console;
    }
  }
  EXPECT_EQ(stopMessage(StopReason{"7", ""}, "STRENGTH"), "the run stopped with stop code 7; the report ends with \"STRENGTH\"");
  EXPECT_EQ(stopMessage(StopReason{}, ""), "the run stopped before END OF ANALYSIS; the report is empty");
}

TEST(JudgeRun, FailuresOutrankWarningsAndOnlyUsableResultsClose) {
  struct Case {
    const char* name;
    std::string report, plot, console;
    bool failed, closed;
    const char* error;
    const char* warning;
  };
  const std::string badPlot = kGoodPlot + " 1 1 1\n    0.0E+00           nan    0.0E+00    0.0E+00    0.0E+00\n";
  const Case cases[] = {
      {"closed", results(7, "", kGoodRows) + kEnd, kGoodPlot, "", false, true, "", ""},
      {"not closed", results(100, "\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n", kGoodRows) + kEnd,
       kGoodPlot, "", false, false, "", "did not close within the deflection tolerance in 100 iterations"},
      {"input error", results(7, "", kGoodRows) + "\n\n     ERROR STOP -- STATIONS NOT IN ORDER" + kEnd, kGoodPlot, "",
       true, false, "input error: ERROR STOP -- STATIONS NOT IN ORDER", ""},
      {"stop", "      SOIL INFORMATION\n", "", "2\n", true, false, "stop code 2: the soil profile", ""},
      {"unfit plot", results(7, "", kGoodRows) + kEnd, badPlot, "", true, false, "plot data file holds values", ""},
      {"no results", kEnd, kGoodPlot, "", true, false, "the report holds no results", ""},
  };
  for (const Case& c : cases) {
    RunSummary s;
    ReportScan report = scanReport(c.report);
    PlotScan plot = scanPlot(c.plot);
    judgeRun(s, report, c.plot.empty() ? nullptr : &plot, c.console);
    EXPECT_EQ(s.failed(), c.failed) << c.name << ": " << s.error;
    EXPECT_EQ(s.closed, c.closed) << c.name;
    EXPECT_NE(s.error.find(c.error), std::string::npos) << c.name << ": " << s.error;
    EXPECT_EQ(s.error.empty(), *c.error == '\0') << c.name << ": " << s.error;
    EXPECT_NE(s.warning.find(c.warning), std::string::npos) << c.name << ": " << s.warning;
  }
}

}  // namespace
