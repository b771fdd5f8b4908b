// The engine's read-back of the generated profile: width factors, print step,
// printed points, deepest pressure, and a fresh surcharge share every block.
#include "ep_fixture.h"
#include "engine/report_line.h"
#include "engine/soil/earth_pressure_api.h"

namespace murena::test {
namespace {

class ReadBack : public EarthPressureTest {
 protected:
  // A wall whose profile has `points` points: one sand layer, 1-length-unit steps.
  void profileOf(int points, int units) {
    useUnits(units);
    double step = units == 2 ? 0.05 : 1.0;
    int NN = points - 1;
    wall(NN, step, step * (NN / 2));
    layer(4, step * NN * 2, units == 2 ? 18.0 : 0.07, 0.0, 30.0);
  }

  // Rows of the depth-pressure table after its heading.
  std::vector<std::string> tableRows(const std::vector<std::string>& lines) {
    int h = indexOf(lines, "        --------       ------------------------");
    EXPECT_GT(h, 2);
    if (h < 0) return {};
    return std::vector<std::string>(lines.begin() + h + 1, lines.end());
  }
};

struct StepCase { const char* name; int points, units, step, printed; };

class PrintStep : public ReadBack, public ::testing::WithParamInterface<StepCase> {};

TEST_P(PrintStep, LongProfilesPrintEveryStepAndTheLastPoint) {
  const StepCase& c = GetParam();
  profileOf(c.points, c.units);
  buildGeneratedPressureProfile(*ctx);
  const PressureProfile& p = ctx->block.profile;
  EXPECT_EQ(p.count, c.points);
  EXPECT_EQ(p.printStep, c.step);
  EXPECT_EQ(p.printedCount, c.printed);
  auto rows = tableRows(report());
  ASSERT_EQ(static_cast<int>(rows.size()), c.printed);
  // The second row is point 1 + step; the last row the last point.
  std::string second = Line().b(6).E(p.depth[1 + c.step], 10, 3).b(10).E(p.total[1 + c.step], 10, 3).str();
  std::string last = Line().b(6).E(p.depth[p.count], 10, 3).b(10).E(p.total[p.count], 10, 3).str();
  EXPECT_EQ(rows[1], second);
  EXPECT_EQ(rows.back(), last);
}

INSTANTIATE_TEST_SUITE_P(Profiles, PrintStep,
                         ::testing::Values(StepCase{"English120", 120, 1, 6, 21},
                                           StepCase{"English121", 121, 1, 6, 21},
                                           StepCase{"English40", 40, 1, 1, 40},
                                           StepCase{"English50", 50, 1, 1, 50},
                                           StepCase{"SI101", 101, 2, 4, 26},
                                           StepCase{"SI102", 102, 2, 4, 27},
                                           StepCase{"Other120", 120, 3, 1, 120}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadBack, WidthFactorsAreWaDownToTheExcavationAndWpBelow) {
  wall(40, 6.0, 120.0);
  ctx->block.soil.activeWidth = 2.0;
  ctx->block.soil.pyWidth = 3.0;
  layer(4, 300.0, 0.0694, 0.0, 30.0);
  buildGeneratedPressureProfile(*ctx);
  const PressureProfile& p = ctx->block.profile;
  ASSERT_EQ(p.count, 241);
  // Values as written to the file (three digits), times the width.
  EXPECT_EQ(p.depth[61], 60.0);
  EXPECT_EQ(p.total[61], 2.0 * 1.39);
  EXPECT_EQ(p.soil[61], 2.0 * 1.39);
  EXPECT_EQ(p.surcharge[61], 0.0);
  EXPECT_EQ(p.total[121], 2.0 * 2.78);  // at the excavation level
  EXPECT_EQ(p.total[122], 3.0 * 2.78);  // first point deeper
  EXPECT_EQ(p.deepestPressure, p.total[241]);
  EXPECT_EQ(p.deepestPressure, 3.0 * 2.78);
  EXPECT_DOUBLE_EQ(ctx->block.excavationStress, 0.0694 * 120.0);
  // The heading of the table, with its unit labels.
  auto lines = report();
  int h = indexOf(lines, "         DEPTH         ACTIVE EARTH PRESSURE");
  ASSERT_GT(h, 2);
  EXPECT_EQ(lines[h - 1], "");
  EXPECT_EQ(lines[h - 2], "");
  EXPECT_EQ(lines[h + 1], "          IN                  LBS/IN");
  EXPECT_EQ(lines[h + 2], "        --------       ------------------------");
  EXPECT_EQ(lines[h + 3], "       0.000E+00           0.000E+00");
}

TEST_F(ReadBack, SIHeadingLabels) {
  useUnits(2);
  ctx->report.close();
  ctx->report.open("heading.txt");
  writePressureTableHeading(*ctx);
  ctx->report.close();
  EXPECT_EQ(fileLines("heading.txt"),
            (std::vector<std::string>{"", "", "         DEPTH         ACTIVE EARTH PRESSURE",
                                      "           M                   KN/ M", "        --------       ------------------------"}));
}

TEST_F(ReadBack, ABlockWithoutSurchargesInheritsNoSurchargePressure) {
  wall(40, 6.0, 120.0);
  surcharge(1, 5000.0, 24.0);
  layer(4, 300.0, 0.07, 0.0, 30.0);
  buildGeneratedPressureProfile(*ctx);
  double first = ctx->block.profile.surcharge[61];
  EXPECT_GT(first, 0.0);
  // The next block (a later stage) has no surcharge loads.
  ctx->block.soil.surchargeCount = 0;
  buildGeneratedPressureProfile(*ctx);
  for (int i = 1; i <= ctx->block.profile.count; ++i) EXPECT_EQ(ctx->block.profile.surcharge[i], 0.0) << i;
}

}  // namespace
}  // namespace murena::test
