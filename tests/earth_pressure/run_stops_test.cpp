// Whole runs that stop inside the earth-pressure module: a stop code ends the
// run at once, a block stop goes on to the normal end of the run.
#include <fstream>

#include "common/data_file_layout.h"
#include "engine/run_analysis.h"
#include "ep_fixture.h"

namespace murena::test {
namespace {

class RunStops : public EarthPressureTest {
 protected:
  std::vector<std::string> run(const std::string& data) {
    ctx.reset();  // the run makes its own context
    std::ofstream("wall.mr5d", std::ios::binary) << data;
    std::ofstream("NAMES.dat", std::ios::binary) << layout::kVersionText << "\n\n\n0\nwall.mr5d\nwall.mr5o\nwall.mr5p\nwall.mr5r\n";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(runAnalysis(), 0);
    console = ::testing::internal::GetCapturedStderr();
    return fileLines("wall.mr5o");
  }
  std::string console;
};

std::string block(int pressureCode, double H, double layerBottom) {
  std::string h = std::to_string(H);
  return "Earth pressure stop\n"
         "1 0\t1\t0\t" + std::to_string(pressureCode) + "\t0 0 1 0 0\n"
         "60 6\t10\t1E-5\t" + h + "\t12\n"
         "0\t60\t1\t5.3E9\n"
         "0\n"
         "0\n" +
         h + "\t12\t12\t1000\t1000\t1\t1\t0\n"
         "0\t0\t0\t0\t0\t0\n"
         "0\n"
         "1\n"
         "4 " + std::to_string(layerBottom) + " \n"
         "0.07 0.0  30 0.0  25 0 \n"
         "0.07 0.0  30 0.0  25 0 \n"
         "0\n";
}

// A stop code ends the run right after the soil table; the report's last
// line says why.
TEST_F(RunStops, ExcavationBelowTheProfileEndsTheRunAfterTheSoilTable) {
  auto lines = run(block(2, 144.0, 100.0));
  ASSERT_GE(lines.size(), 3u);
  const size_t n = lines.size();
  EXPECT_EQ(lines[n - 4], "         1      8.33        0.0    30.0    0.070     T      0.00");
  EXPECT_EQ(lines[n - 3], "");
  EXPECT_EQ(lines[n - 2], "");
  EXPECT_EQ(lines[n - 1],
            "     RUN STOPPED WITH CODE 1 -- THE EXCAVATION LEVEL (FREE HEIGHT) IS NOT ABOVE THE BOTTOM OF THE SOIL LAYERS");
  EXPECT_EQ(indexOf(lines, "     END OF ANALYSIS                             "), -1);
  EXPECT_EQ(console, "1\n");
}

// A free height of 1E308 used to leave a report that simply stopped.
TEST_F(RunStops, HugeFreeHeightIsExplained) {
  auto lines = run(block(2, 1e308, 480.0));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(),
            "     RUN STOPPED WITH CODE 1 -- THE EXCAVATION LEVEL (FREE HEIGHT) IS NOT ABOVE THE BOTTOM OF THE SOIL LAYERS");
  EXPECT_EQ(console, "1\n");
}

TEST_F(RunStops, MoreThan21PressureLayersIsExplained) {
  // Twenty layers of 10 in, cut at the water table (55) and the excavation (95).
  std::string data = block(2, 95.0, 10.0);
  const std::string oneLayer = "4 10.000000 \n0.07 0.0  30 0.0  25 0 \n0.07 0.0  30 0.0  25 0 \n";
  std::string layers = "20\n";
  for (int i = 1; i <= 20; ++i)
    layers += "4 " + std::to_string(10 * i) + " \n0.07 0.0  30 0.0  25 0 \n0.07 0.0  30 0.0  25 0 \n";
  data.replace(data.find("1\n" + oneLayer), 2 + oneLayer.size(), layers);
  data.replace(data.find("\t1000\t1000\t"), 11, "\t55\t55\t");
  auto lines = run(data);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(),
            "     RUN STOPPED WITH CODE 2 -- MORE THAN 21 PRESSURE LAYERS (SOIL LAYERS CUT AT THE WATER TABLE AND THE "
            "EXCAVATION)");
  EXPECT_EQ(console, "2\n");
}

TEST_F(RunStops, TrapezoidWithoutSupportStopsTheBlockAndEndsNormally) {
  auto lines = run(block(3, 144.0, 480.0));
  int message = indexOf(lines, "     ERROR -- TRAPEZOIDAL EARTH PRESSURE NEEDS AT LEAST ONE SUPPORT (SPRING OR TIEBACK)");
  ASSERT_GT(message, 0);
  EXPECT_EQ(lines.back(), "     END OF ANALYSIS                             ");
  EXPECT_EQ(message + 4, static_cast<int>(lines.size()) - 1);
}

TEST_F(RunStops, TriangularPressureRunsToTheEnd) {
  auto lines = run(block(2, 144.0, 480.0));
  EXPECT_GE(indexOf(lines, "         DEPTH         ACTIVE EARTH PRESSURE"), 0);
  EXPECT_EQ(lines.back(), "     END OF ANALYSIS                             ");
  EXPECT_TRUE(std::filesystem::exists("KESTRA.001"));
  EXPECT_TRUE(std::filesystem::exists("debug.dat"));
}

}  // namespace
}  // namespace murena::test
