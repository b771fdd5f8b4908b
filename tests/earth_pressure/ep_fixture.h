#pragma once
// A block context in a private temporary directory, with the report and run
// notes written to files there, and helpers to describe the soil.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/run_context.h"
#include "engine/soil/earth_pressure_module.h"
#include "engine/unit_labels.h"
#include "tests/support/scratch_folder.h"

namespace murena::test {

inline std::vector<std::string> fileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline bool hasLine(const std::vector<std::string>& lines, const std::string& text) {
  for (const auto& l : lines)
    if (l == text) return true;
  return false;
}

inline int indexOf(const std::vector<std::string>& lines, const std::string& text) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == text) return static_cast<int>(i);
  return -1;
}

class EarthPressureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::make_unique<testing_support::ScratchFolder>("murena_ep", testing_support::ScratchFolder::Enter::kYes);
    ctx = std::make_unique<RunContext>();
    ctx->report.open("report.txt");
    ctx->notes.open("notes.txt");
    useUnits(1);
  }

  void TearDown() override {
    ctx.reset();
    folder_.reset();
  }

  void useUnits(int units) {
    ctx->block.control.units = units;
    ctx->unitSign = units == 1 ? 1 : units == 2 ? -1 : 0;
    setUnitLabels(ctx->labels, ctx->unitSign);
  }

  // A wall of NN increments of h, excavated to H, with generated pressure `code`.
  void wall(int NN, double h, double H, int code = 2) {
    BlockData& b = ctx->block;
    b.control.earthPressureCode = code;
    b.wall.NN = NN;
    b.wall.h = h;
    b.wall.freeHeight = H;
    b.wall.wallLength = NN * h;
    SoilRecord& s = b.soil;
    s.present = true;
    s.freeHeight = H;
    s.activeWidth = 1.0;
    s.pyWidth = 1.0;
    s.waterDepthBackfill = 1.0e6;
    s.waterDepthExcavation = 1.0e6;
    s.activePressureFactor = 1.0;
    s.soilFlag = 1;
  }

  // Appends a layer down to `bottom` with unit weight, cohesion, friction angle
  // and optional coefficient.
  void layer(int type, double bottom, double gamma, double c, double phi, double kopt = 0.0) {
    SoilRecord& s = ctx->block.soil;
    SoilLayerRecord& l = s.layers[s.layerCount];
    double previous = s.layerCount > 0 ? s.layers[s.layerCount - 1].bottomDepth : 0.0;
    l.type = type;
    l.bottomDepth = bottom;
    l.thickness = bottom - previous;
    l.top = {gamma, c, phi, 0.0, 0.0, kopt};
    l.bottom = l.top;
    ++s.layerCount;
  }

  void surcharge(int type, double magnitude, double X, double W = 0.0) {
    SoilRecord& s = ctx->block.soil;
    s.surcharges[s.surchargeCount++] = {type, magnitude, X, W};
  }

  std::vector<std::string> report() {
    ctx->report.close();
    return fileLines("report.txt");
  }
  std::vector<std::string> notes() {
    ctx->notes.close();
    return fileLines("notes.txt");
  }

  // The module's steps up to the profile, as computeEarthPressure runs them.
  std::unique_ptr<EarthPressureModule> runModule() {
    auto m = std::make_unique<EarthPressureModule>(ctx->report, ctx->notes, ctx->labels);
    handOver(*m, makeEarthPressureInput(*ctx));
    splitPressureLayers(*m);
    OUTPT(*m);
    checkPressureInput(*m);
    INITIAL(*m);
    START(*m);
    FORCES(*m);
    writePressureProfile(*m);
    return m;
  }

  std::unique_ptr<RunContext> ctx;

 private:
  std::unique_ptr<testing_support::ScratchFolder> folder_;
};

}  // namespace murena::test
