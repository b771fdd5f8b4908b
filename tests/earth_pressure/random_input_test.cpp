// Odd and random soil data never crash the module: every case ends normally,
// with a stop code or with a block stop, and a profile file that was written
// holds exactly the point lines its count promises.
#include <random>

#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_api.h"
#include "ep_fixture.h"

namespace murena::test {
namespace {

class RandomInput : public EarthPressureTest {};

TEST_F(RandomInput, EveryCaseEndsInAnOrderlyWay) {
  std::mt19937 rng(20150512);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int normal = 0, stops = 0;
  for (int run = 0; run < 300; ++run) {
    ctx = std::make_unique<RunContext>();
    ctx->report.open("report.txt");
    ctx->notes.open("notes.txt");
    useUnits(pick(1, 3));
    double step = ctx->block.control.units == 2 ? 0.05 : 1.0;
    int NN = pick(0, 120);
    double h = step * pick(1, 6);
    double H = pick(0, 4) == 0 ? uniform(-5, 5) * step : uniform(0, NN * h * 1.2);
    wall(NN, h, H, pick(2, 3));
    SoilRecord& s = ctx->block.soil;
    s.waterDepthBackfill = uniform(-0.2, 1.5) * NN * h;
    s.waterDepthExcavation = uniform(-0.2, 1.5) * NN * h;
    s.backfillSlope = pick(0, 2) == 0 ? uniform(-40, 40) : 0.0;
    s.surfaceSurcharge = pick(0, 1) ? uniform(-1, 5) : 0.0;
    s.legacyPoint = pick(0, 3) == 0 ? uniform(0, 100) : 0.0;
    s.legacyDistance = uniform(0, 50);
    ctx->block.supportCount = pick(0, 3);
    ctx->block.firstSupportDepth = uniform(-10, NN * h);
    ctx->block.lastSupportDepth = uniform(-10, NN * h);
    for (int i = pick(0, 3); i > 0; --i) surcharge(pick(0, 5), uniform(-50, 500), uniform(-20, 200), uniform(0, 50));
    double bottom = 0.0;
    for (int i = pick(0, 20); i > 0; --i) {
      bottom += pick(0, 5) == 0 ? -uniform(0, 10) * step : uniform(0, 60) * step;
      layer(pick(0, 8), bottom, uniform(0, 0.1) * (step == 1.0 ? 1 : 250), uniform(0, 10), uniform(0, 45),
            pick(0, 3) == 0 ? uniform(0, 1) : 0.0);
    }
    std::filesystem::remove(kPressureProfileFile);
    try {
      buildGeneratedPressureProfile(*ctx);
      ++normal;
      auto lines = fileLines(kPressureProfileFile);
      ASSERT_FALSE(lines.empty()) << "run " << run;
      EXPECT_EQ(std::stoi(lines[0]), static_cast<int>(lines.size()) - 1) << "run " << run;
      EXPECT_EQ(ctx->block.profile.count, static_cast<int>(lines.size()) - 1) << "run " << run;
    } catch (const StopCode& c) {
      EXPECT_TRUE(c.code == "1" || c.code == "2") << c.code;
      ++stops;
    } catch (const AnalysisStop&) {
      ++stops;
    } catch (const InputError& e) {
      ADD_FAILURE() << "run " << run << ": " << e.what();
    }
  }
  EXPECT_GT(normal, 50);
  EXPECT_GT(stops, 10);
}

}  // namespace
}  // namespace murena::test
