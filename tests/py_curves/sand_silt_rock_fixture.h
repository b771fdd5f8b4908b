#pragma once
// A p-y generation state with a hand-made profile, a report file and a
// console stream that the tests read back.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/run_context.h"
#include "engine/soil/py_generator_frame.h"
#include "engine/unit_labels.h"

namespace murena::test {

// One input row of a layer: unit weight, strength, friction angle (degrees),
// strain slot, modulus slot, coefficient slot.
using LayerRow = std::array<double, 6>;

class GeneratorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("murena_py_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
    ctx_ = std::make_unique<RunContext>();
    setUnitLabels(ctx_->labels, 1);
    ctx_->report.open((dir_ / "report").string());
    g_ = std::make_unique<PYGeneration>(*ctx_);
    g_->soilData.open((dir_ / "soildata").string());
    console_ = std::fopen((dir_ / "console").string().c_str(), "w+");
    g_->console = console_;
    g_->Wa = g_->Wp = 24.0;
    g_->spacingRatio = 1.0;
  }
  void TearDown() override {
    g_.reset();
    ctx_.reset();
    if (console_) std::fclose(console_);
    std::error_code ec;
    if (std::getenv("MURENA_KEEP_TEST_FILES") == nullptr) std::filesystem::remove_all(dir_, ec);
  }

  PYGeneration& g() { return *g_; }

  // Appends a layer from xTop to xBottom (below the excavation level) with
  // the unit weight of the top row throughout.
  int addLayer(int type, double xTop, double xBottom, LayerRow top, LayerRow bottom) {
    PYGeneration& s = *g_;
    const int l = ++s.layerCount;
    s.layers[l] = PYLayer{};
    s.layers[l].soilType = type;
    s.layers[l].xTop = xTop;
    s.layers[l].xBottom = xBottom;
    s.layers[l].modulus = top[4];
    for (const auto& [x, row] : {std::pair{xTop, top}, std::pair{xBottom, bottom}}) {
      StrengthPoint& p = s.strength[++s.strengthCount];
      p.depth = x;
      p.strength = row[1];
      p.frictionAngle = row[2] * kDegreesToRadians;
      p.strainSlot = row[3];
      p.coefficientSlot = row[5];
      s.unitWeight[++s.unitWeightCount] = UnitWeightPoint{x, top[0]};
    }
    return l;
  }
  int addLayer(int type, double xTop, double xBottom, LayerRow row) { return addLayer(type, xTop, xBottom, row, row); }

  static std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  std::vector<std::string> reportLines() {
    ctx_->report.close();
    return readLines(dir_ / "report");
  }
  std::vector<std::string> soilDataLines() {
    g_->soilData.close();
    return readLines(dir_ / "soildata");
  }
  std::string consoleText() {
    std::fflush(console_);
    std::ifstream in(dir_ / "console", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Index of the n-th (0-based) line equal to `text`, or -1.
  static int findLine(const std::vector<std::string>& lines, const std::string& text, int n = 0) {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == text && n-- == 0) return static_cast<int>(i);
    return -1;
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
  std::filesystem::path dir_;
  std::unique_ptr<RunContext> ctx_;
  std::unique_ptr<PYGeneration> g_;
  std::FILE* console_ = nullptr;
};

}  // namespace murena::test
