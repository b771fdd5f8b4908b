// The report blocks of the earth-pressure module, line by line.
#include "ep_fixture.h"

namespace murena::test {
namespace {

const std::string kStars = "      **************************************************";

std::vector<std::string> frame(const std::string& title) {
  return {"", "", kStars, "      " + title, kStars, ""};
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

void expectLines(const std::vector<std::string>& got, const std::vector<std::string>& want) {
  for (size_t i = 0; i < got.size() && i < want.size(); ++i) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
  EXPECT_EQ(got.size(), want.size());
}

class ReportLayout : public EarthPressureTest {};

TEST_F(ReportLayout, EnglishWallSurchargeAndSoilBlocks) {
  wall(40, 6.0, 120.0);
  ctx->block.soil.activeWidth = 12.0;
  ctx->block.soil.pyWidth = 18.0;
  ctx->block.soil.waterDepthBackfill = 150.0;
  ctx->block.soil.waterDepthExcavation = 200.0;
  ctx->block.soil.surfaceSurcharge = 0.5;
  surcharge(1, 1000.0, 24.0);
  surcharge(2, 100.0, 36.0);
  surcharge(3, 2.0, 48.0, 24.0);
  surcharge(5, 9.0, 48.0, 24.0);  // no such kind: not echoed
  layer(4, 240.0, 0.0694, 0.0, 32.0);
  layer(2, 300.0, 0.0660, 12.5, 0.0);
  auto m = std::make_unique<EarthPressureModule>(ctx->report, ctx->notes, ctx->labels);
  handOver(*m, makeEarthPressureInput(*ctx));
  splitPressureLayers(*m);
  OUTPT(*m);

  std::vector<std::string> want = frame("*                WALL INFORMATION                *");
  append(want, {"",
                "      FREE HEIGHT OF WALL                    =  0.120E+03 IN",
                "      WIDTH FOR EARTH PRESSURE, WA           =  0.120E+02 IN",
                "      WIDTH FOR SOIL RESISTANCE, WP          =  0.180E+02 IN",
                "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.150E+03 IN",
                "      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.200E+03 IN",
                "      UNIT WEIGHT OF WATER                   =  0.360E-01 LBS/IN**3",
                "      SLOPE OF THE BACKFILL (deg.)           =  0.000E+00",
                "      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01",
                ""});
  append(want, frame("*              SURCHARGE INFORMATION             *"));
  append(want, {"", "      UNIFORM SURFACE PRESSURE     = 0.500E+00 LBS/IN**2"});
  append(want, {"",
                "      SURCHARGE LOADING NO.        =          1",
                "      POINT LOAD                   =  0.100E+04 LBS",
                "      HORIZONTAL DISTANCE BETWEEN  =  0.240E+02 IN",
                "      THE WALL AND SURCHARGE         ",
                ""});
  append(want, {"",
                "      SURCHARGE LOADING NO.        =          2",
                "      LINE LOAD                    =  0.100E+03 LBS/IN",
                "      HORIZONTAL DISTANCE BETWEEN  =  0.360E+02 IN",
                "      THE WALL AND SURCHARGE         ",
                ""});
  append(want, {"",
                "      SURCHARGE LOADING NO.        =          3",
                "      STRIP LOAD                   =  0.200E+01 LBS/IN**2",
                "      WIDTH OF THE STRIP LOAD      =  0.240E+02 IN",
                "      HORIZONTAL DISTANCE BETWEEN  =  0.480E+02 IN",
                "      WALL AND MIDDLE OF STRIP WIDTH          ",
                ""});
  append(want, frame("*                SOIL INFORMATION                *"));
  append(want, {"",
                "                TOTAL   COHESION/       TOTAL UNIT",
                "       LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP",
                "       NO.      FT        PSI       DEG     PCI     T OR F   FT",
                "         1     10.00        0.0    32.0    0.069     T      0.00",
                "         2      2.50        0.0    32.0    0.069     T     10.00",
                "         3      7.50        0.0    32.0    0.069     T     12.50",
                "         4      5.00       12.5     0.0    0.066     F     20.00"});
  expectLines(report(), want);
  // The strip load, echoed last, is the single set of the layer forces.
  EXPECT_EQ(m->current.strip, 2.0);
  EXPECT_EQ(m->current.point, 0.0);
  EXPECT_EQ(m->current.stripWidth, 24.0);
}

TEST_F(ReportLayout, SIAndOtherUnitSoilTables) {
  useUnits(2);
  wall(20, 0.5, 4.0);
  layer(5, 10.0, 18.5, 10.0, 25.0);
  auto m = std::make_unique<EarthPressureModule>(ctx->report, ctx->notes, ctx->labels);
  handOver(*m, makeEarthPressureInput(*ctx));
  splitPressureLayers(*m);
  OUTPT(*m);
  auto lines = report();
  expectLines(std::vector<std::string>(lines.end() - 4, lines.end()),
              {"       LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP",
               "       NO.       M        kPa       DEG   kN/M^3    T OR F    M",
               "         1      4.00       10.0    25.0   18.500     T      0.00",
               "         2      6.00       10.0    25.0   18.500     T      4.00"});
  EXPECT_TRUE(hasLine(lines, "      UNIT WEIGHT OF WATER                   =  0.981E+01  KN/ M**3"));

  // Other units: the framed heading only.
  ctx = std::make_unique<RunContext>();
  ctx->report.open("other.txt");
  useUnits(3);
  wall(20, 0.5, 4.0);
  layer(5, 10.0, 18.5, 10.0, 25.0);
  EarthPressureModule other(ctx->report, ctx->notes, ctx->labels);
  handOver(other, makeEarthPressureInput(*ctx));
  splitPressureLayers(other);
  OUTPT(other);
  ctx->report.close();
  auto otherLines = fileLines("other.txt");
  std::vector<std::string> end(otherLines.end() - 6, otherLines.end());
  EXPECT_EQ(end, frame("*                SOIL INFORMATION                *"));
}

TEST_F(ReportLayout, OverburdenCoefficientAndForceHeadings) {
  wall(40, 6.0, 120.0);
  layer(4, 300.0, 0.07, 0.0, 30.0);
  runModule();
  auto lines = report();
  int o = indexOf(lines, "      *            EFFECTIVE OVERBURDEN STRESS         *");
  ASSERT_GT(o, 0);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + o + 2, lines.begin() + o + 8),
            (std::vector<std::string>{"",
                                      "                DEPTH                     STRESS       ",
                                      "                 IN                       LBS/IN**2",
                                      "",
                                      "             0.000E+00                  0.000E+00",
                                      "             0.120E+03                  0.840E+01"}));
  int c = indexOf(lines, "      * ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
  ASSERT_GT(c, o);
  EXPECT_EQ(lines[c + 3], "        LAYER         ACTIVE EARTH     PASSIVE EARTH     OPTIONAL EARTH");
  EXPECT_EQ(lines[c + 4], "         NO.          COEFFICIENT      COEFFICIENT       COEFFICIENT   ");
  int f = indexOf(lines, "      *      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
  ASSERT_GT(f, c);
  EXPECT_EQ(lines[f + 3], "       LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4");
  EXPECT_EQ(lines[f + 4], "        NO  LBS/IN**2   IN   LBS/IN**2   IN     LBS/IN**2   IN     LBS/IN**2");
  EXPECT_EQ(lines[f + 5], "");
  EXPECT_EQ(lines[f + 6], "       1       0.00  60.00     168.00  80.00      -0.00  -0.00       0.00");
}

}  // namespace
}  // namespace murena::test
