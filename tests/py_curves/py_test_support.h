#pragma once
// Fixtures of the p-y tests: a run context with a soil record, a generation
// state over a hand-made profile, and that state with its soil-data file and
// console stream read back.  Each test runs inside a temporary directory of
// its own so that the scratch file "SOILDATA" of one test meets no other
// (kept after the test where MURENA_KEEP_TEST_FILES is set).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/run_context.h"
#include "engine/run_errors.h"
#include "engine/soil/py_generator_frame.h"
#include "engine/unit_labels.h"
#include "tests/support/scratch_folder.h"

namespace murena::pytest {

// One parameter row: unit weight, strength, friction angle (degrees), strain
// slot, modulus slot, coefficient slot.
using Row = std::array<double, 6>;

// The code of the stop that `call` ends with; "(no stop)" where it returns.
template <class Call>
std::string stopCodeOf(Call&& call) {
  try {
    call();
  } catch (const StopCode& stop) {
    return stop.code;
  }
  return "(no stop)";
}

class PYContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::make_unique<testing_support::ScratchFolder>("murena_pyctx", testing_support::ScratchFolder::Enter::kYes);
    ctx_ = std::make_unique<RunContext>();
    ctx_->block.control.units = 1;
    ctx_->plotUnits = 1;
    setUnitLabels(ctx_->labels, 1);
    ctx_->report.open("report.txt");
    ctx_->plot.open("plot.txt");
    BlockData& b = ctx_->block;
    b.control.pyCode = 2;
    b.wall.NN = 80;
    b.wall.h = 3.0;
    b.wall.wallLength = 240.0;
    b.soil.present = true;
    b.soil.freeHeight = 60.0;
    b.soil.activeWidth = 24.0;
    b.soil.pyWidth = 24.0;
    b.soil.waterDepthBackfill = 1000.0;
    b.wall.freeHeight = 60.0;
  }

  void TearDown() override {
    ctx_.reset();
    folder_.reset();
  }

  RunContext& ctx() { return *ctx_; }

  // Appends an input layer ending at bottomDepth below the top of the wall.
  void addInputLayer(int type, double bottomDepth, Row top, Row bottom) {
    SoilRecord& soil = ctx_->block.soil;
    SoilLayerRecord& layer = soil.layers[static_cast<size_t>(soil.layerCount)];
    const double previousBottom = soil.layerCount == 0 ? 0.0 : soil.layers[static_cast<size_t>(soil.layerCount - 1)].bottomDepth;
    layer.type = type;
    layer.bottomDepth = bottomDepth;
    layer.thickness = bottomDepth - previousBottom;
    layer.top = top;
    layer.bottom = bottom;
    ++soil.layerCount;
  }
  void addInputLayer(int type, double bottomDepth, Row row) { addInputLayer(type, bottomDepth, row, row); }

  static std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  std::vector<std::string> reportLines() {
    ctx_->report.close();
    return readLines("report.txt");
  }
  std::vector<std::string> plotLines() {
    ctx_->plot.close();
    return readLines("plot.txt");
  }

  static int countLines(const std::vector<std::string>& lines, const std::string& text) {
    int n = 0;
    for (const auto& l : lines) n += l == text ? 1 : 0;
    return n;
  }
  // Index of the n-th (0-based) line equal to `text`, or -1.
  static int findLine(const std::vector<std::string>& lines, const std::string& text, int n = 0) {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == text && n-- == 0) return static_cast<int>(i);
    return -1;
  }

 private:
  std::unique_ptr<testing_support::ScratchFolder> folder_;
  std::unique_ptr<RunContext> ctx_;
};

// A generation state over a hand-made profile (no input layers).
class PYStateTest : public PYContextTest {
 protected:
  void SetUp() override {
    PYContextTest::SetUp();
    g_ = std::make_unique<PYGeneration>(ctx());
    g_->console = nullptr;
    g_->H = 60.0;
    g_->Wa = g_->Wp = 24.0;
    g_->spacingRatio = 1.0;
  }
  void TearDown() override {
    g_.reset();
    PYContextTest::TearDown();
  }
  PYGeneration& g() { return *g_; }

  int addLayer(int type, double xTop, double xBottom, Row top, Row bottom) {
    PYGeneration& s = *g_;
    const int l = ++s.layerCount;
    s.layers[l] = PYLayer{};
    s.layers[l].soilType = type;
    s.layers[l].xTop = xTop;
    s.layers[l].xBottom = xBottom;
    s.layers[l].modulus = top[4];
    for (const auto& [x, row] : {std::pair{xTop, top}, std::pair{xBottom, bottom}}) {
      StrengthPoint& p = s.strength[++s.strengthCount];
      p = StrengthPoint{x, row[1], row[2] * kDegreesToRadians, row[3], row[5]};
      s.unitWeight[++s.unitWeightCount] = UnitWeightPoint{x, top[0]};
    }
    return l;
  }
  int addLayer(int type, double xTop, double xBottom, Row row) { return addLayer(type, xTop, xBottom, row, row); }

 private:
  std::unique_ptr<PYGeneration> g_;
};

// A generation state writing "SOILDATA" and a console stream, both read back.
class PYGeneratorTest : public PYStateTest {
 protected:
  void SetUp() override {
    PYStateTest::SetUp();
    g().soilData.open(kSoilDataFile);
    console_ = std::fopen("console", "w+");
    g().console = console_;
  }
  void TearDown() override {
    g().console = nullptr;
    if (console_) std::fclose(console_);
    PYStateTest::TearDown();
  }

  std::vector<std::string> soilDataLines() {
    g().soilData.close();
    return readLines(kSoilDataFile);
  }
  std::string consoleText() {
    std::fflush(console_);
    std::ifstream in("console", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Point lines (y', p') of the n-th curve side in the report: the 17 lines
  // after the n-th heading line "Y"/"P" and its unit line.
  static std::vector<std::pair<double, double>> reportPoints(const std::vector<std::string>& lines,
                                                             const std::string& yPHeading, int n) {
    std::vector<std::pair<double, double>> points;
    const int at = findLine(lines, yPHeading, n);
    if (at < 0) return points;
    for (int i = at + 2; i < at + 2 + kSidePoints && i < static_cast<int>(lines.size()); ++i) {
      std::string s = lines[static_cast<size_t>(i)];
      for (char& c : s)
        if (c == 'D') c = 'E';
      points.emplace_back(std::stod(s.substr(21, 20)), std::stod(s.substr(41, 20)));
    }
    return points;
  }

 private:
  std::FILE* console_ = nullptr;
};

}  // namespace murena::pytest
