#include "frontend/results/plot_data_loader.h"

#include <algorithm>
#include <array>

#include "common/soil_types.h"
#include "common/unit_system.h"
#include "frontend/entry/grid_table.h"
#include "frontend/entry/text_lines.h"
#include "frontend/entry/word_reader.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"
#include "frontend/results/result_graphs.h"

namespace murena {

namespace {

// The curves are held in vectors sized from the file, so no count can overrun
// a store; a count larger than the file could hold is refused instead of
// allocating for it, and so is a file whose curves, evened out to the
// longest, would hold far more points than the file has numbers.
class PlotReader {
 public:
  PlotReader(std::string_view text, TResultGraphs& g, TProgramData& project, const GridTable& soil)
      : reader_(TWordReader::fromText(text)),
        maxCount_(static_cast<int>(std::min<size_t>(text.size() / 2 + 1, 50'000'000))),
        maxEvenedPoints_(2 * text.size() + 65536),
        g_(g),
        project_(project),
        soil_(soil) {}

  void read();

 private:
  int count() {
    const int n = reader_.nextInteger();
    if (n > maxCount_) refuse();
    return std::max(n, 0);
  }
  // Curves of equal length: `curves` times `points` must stay in proportion
  // to the file.
  void checkEvenedOut(size_t curves, size_t points) const {
    if (curves != 0 && points > maxEvenedPoints_ / curves) refuse();
  }
  [[noreturn]] static void refuse() { throw WordReaderError("This file either invalid or incomplete."); }
  std::array<TCurveList*, 4> resultLists() {
    return {&g_.pltDef.Curves, &g_.pltMom.Curves, &g_.pltShear.Curves, &g_.pltSoil.Curves};
  }
  std::array<TCurveList*, 3> dmsLists() { return {&g_.pltDMS.Curves, &g_.pltDMS.Curves2, &g_.pltDMS.Curves3}; }

  void setResultCurveCount(int count);
  void readEarthPressure(int set, bool combined);
  void readPYCurves(bool evenOut);
  int readResults(int set);
  void buildLayerMarks();
  void setCaptions();

  TWordReader reader_;
  int maxCount_;
  size_t maxEvenedPoints_;
  TResultGraphs& g_;
  TProgramData& project_;
  const GridTable& soil_;
  int unitFlag_ = 0;
};

// Extends every curve with fewer than `count` points by repeating its own
// last point (a curve without points gets (0, 0) points).
void evenOut(TCurveList& list, size_t count) {
  for (TLine& curve : list) {
    const TFloatPoint last = curve.Points.empty() ? TFloatPoint{} : curve.Points.back();
    if (curve.Points.size() < count) curve.Points.resize(count, last);
  }
}

TLine& curveAt(TCurveList& list, int index) {
  if (static_cast<int>(list.size()) <= index) TGraphPlot::SetCurveCount(list, index + 1);
  return list[static_cast<size_t>(index)];
}

void PlotReader::setResultCurveCount(int count) {
  for (TCurveList* list : resultLists()) TGraphPlot::SetCurveCount(*list, count);
  for (TCurveList* list : dmsLists()) TGraphPlot::SetCurveCount(*list, count);
}

void PlotReader::readEarthPressure(int set, bool combined) {
  const int n = count();
  TLine& curve = curveAt(g_.pltLD.Curves, set);
  curve.Points.assign(static_cast<size_t>(n), {});
  project_.EarthPressurePointCount = std::max(project_.EarthPressurePointCount, n);
  TCurveList& parts = g_.PltCombine.Curves;
  if (combined) TGraphPlot::SetPointCount(parts, n);
  const double toFeet = project_.UnitSystem == kEnglishUnits ? 12.0 : 1.0;
  for (int j = 0; j < n; ++j) {
    const double d = reader_.nextReal();
    const double t = reader_.nextReal();
    const double s = reader_.nextReal();
    const double q = reader_.nextReal();
    curve.Points[static_cast<size_t>(j)] = {t, d};
    if (!combined) continue;
    const double depth = d / toFeet;
    parts[0].Points[static_cast<size_t>(j)] = {t, depth};
    parts[1].Points[static_cast<size_t>(j)] = {s, depth};
    parts[2].Points[static_cast<size_t>(j)] = {q, depth};
  }
  unitFlag_ = reader_.nextInteger();
  if (unitFlag_ == kEnglishUnits)
    for (TFloatPoint& p : curve.Points) p.Y /= 12.0;
}

void PlotReader::readPYCurves(bool evenOutCurves) {
  TCurveList& curves = g_.pltPY.Curves;
  const int m = count();
  TGraphPlot::SetCurveCount(curves, m);
  size_t longest = 0;
  for (TLine& curve : curves) {
    curve.Value = reader_.nextReal();
    const int c = count();
    curve.Points.resize(static_cast<size_t>(c));
    for (TFloatPoint& p : curve.Points) {
      p.X = reader_.nextReal();
      p.Y = reader_.nextReal();
    }
    longest = std::max(longest, curve.Points.size());
  }
  if (!evenOutCurves) return;
  checkEvenedOut(curves.size(), longest);
  evenOut(curves, longest);
}

// Reads the result record into set `set`; returns its row count.
int PlotReader::readResults(int set) {
  const int n = count();
  reader_.nextInteger();  // the unit code once more
  if (g_.pltDef.Curves.empty()) return n;
  for (TCurveList* list : resultLists()) curveAt(*list, set).Points.assign(static_cast<size_t>(n), {});
  for (TCurveList* list : dmsLists()) curveAt(*list, set).Points.assign(static_cast<size_t>(n), {});
  const bool english = unitFlag_ == kEnglishUnits;
  for (int j = 0; j < n; ++j) {
    double d = reader_.nextReal();
    const double w = reader_.nextReal();
    double moment = reader_.nextReal();
    double shear = reader_.nextReal();
    const double p = reader_.nextReal();
    if (english) {
      d /= 12.0;
      moment /= 1000.0;
      shear /= 1000.0;
    }
    const size_t i = static_cast<size_t>(j);
    const size_t k = static_cast<size_t>(set);
    g_.pltDef.Curves[k].Points[i] = {w, d};
    g_.pltMom.Curves[k].Points[i] = {moment, d};
    g_.pltShear.Curves[k].Points[i] = {shear, d};
    g_.pltSoil.Curves[k].Points[i] = {p, d};
    g_.pltDMS.Curves[k].Points[i] = {w, d};
    g_.pltDMS.Curves2[k].Points[i] = {moment, d};
    g_.pltDMS.Curves3[k].Points[i] = {shear, d};
  }
  return n;
}

struct LayerMark {
  const char* name;
  double code;
};

LayerMark layerMarkOf(int soilType) {
  if (isClay(soilType)) return {" CLAY ", 1};
  switch (soilType) {
    case kSand: return {" SAND ", 7};
    case kSilt: return {" SILT ", 8};
    case kStrongRock: return {"STRONG ROCK", 9};
    case kWeakRock: return {"WEAK ROCK", 10};
    default: return {nullptr, 0};
  }
}

// One mark per soil layer row (its bottom depth, as the table holds it: feet
// in English units, like the graph's depths), then the wall's length and its
// free height in the same unit.
void PlotReader::buildLayerMarks() {
  TGraphPlot& dms = g_.pltDMS;
  dms.Layers.clear();
  const int rows = soil_.rowCount();
  for (int r = 0; r < rows; ++r) {
    TLine mark;
    mark.Value = r + 1;
    const LayerMark kind = layerMarkOf(soil_.integer(col::kSoilType, r));
    mark.Name = kind.name ? kind.name : "LAYER " + std::to_string(r + 1);
    mark.Points.push_back({kind.code, soil_.real(col::kSoilDepth, r)});
    dms.Layers.push_back(std::move(mark));
  }
  dms.WallLineCount = rows;
  const double toFeet = project_.UnitSystem == kEnglishUnits ? 12.0 : 1.0;
  for (double depth : {project_.NodeCount * project_.IncrementLength / toFeet, project_.FreeHeight / toFeet}) {
    TLine wall;
    wall.Name = "PILE";
    wall.Value = static_cast<double>(dms.Layers.size()) + 1;
    wall.Points.push_back({0, depth});
    dms.Layers.push_back(std::move(wall));
  }
}

void PlotReader::setCaptions() {
  const bool english = unitFlag_ == kEnglishUnits;
  const char* depth = english ? "Depth (ft)" : "Depth (m)";
  g_.pltDef.YCaption = depth;
  g_.pltMom.XCaption = english ? "Bending Moment (in-kips)" : "Bending Moment (m-kN)";
  g_.pltMom.YCaption = depth;
  g_.pltShear.XCaption = english ? "Shear (kips)" : "Shear (kN)";
  g_.pltShear.YCaption = depth;
  g_.pltSoil.YCaption = depth;
  g_.pltLD.YCaption = depth;
  // The combined graph's depths are feet or metres too; a caption kept
  // from the start would say feet for an SI run.
  g_.PltCombine.YCaption = depth;
  TGraphPlot& dms = g_.pltDMS;
  dms.XCaption = g_.pltDef.XCaption;
  dms.YCaption = g_.pltDef.YCaption;
  dms.XUnits = g_.pltDef.XUnits;
  dms.XCaption2 = g_.pltMom.XCaption;
  dms.YCaption2 = g_.pltMom.YCaption;
  dms.XUnits2 = g_.pltMom.XUnits;
  dms.XCaption3 = g_.pltShear.XCaption;
  dms.YCaption3 = g_.pltShear.YCaption;
  dms.XUnits3 = g_.pltShear.XUnits;
}

// Names this loader gives to result sets; a new loading starts without them,
// so a single-set run never shows the stage names of an earlier project.
bool isSetName(const std::string& name) {
  return name.rfind("Stage: ", 0) == 0 || name == "Short-Term" || name == "Long-Term";
}

void PlotReader::read() {
  for (TGraphPlot* graph : g_.all()) graph->clearPoints();
  for (TGraphPlot* graph : {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil, &g_.pltDMS})
    for (TLine& curve : graph->Curves)
      if (isSetName(curve.Name)) curve.Name.clear();
  project_.EarthPressurePointCount = 0;
  // Curves already there keep what the user set in their windows (names,
  // hidden curves).
  TGraphPlot::SetCurveCount(g_.pltLD.Curves, 1);
  TGraphPlot::SetCurveCount(g_.PltCombine.Curves, 3);
  g_.PltCombine.Curves[0].Name = "Total Earth Pressure";
  g_.PltCombine.Curves[1].Name = "from Soils ";
  g_.PltCombine.Curves[2].Name = "from Surcharge Loads";

  // Block 0.
  readEarthPressure(0, true);
  readPYCurves(true);
  const int sets = reader_.nextInteger();
  int resultSets = std::max(1, sets);
  setResultCurveCount(std::max(sets, 0));
  g_.pltDMS.ShowThree = true;
  size_t largestRows = static_cast<size_t>(readResults(0));
  checkEvenedOut(static_cast<size_t>(resultSets), largestRows);
  setResultCurveCount(resultSets);
  if (!g_.pltDMS.Curves.empty() && !g_.pltDMS.Curves.front().Points.empty()) buildLayerMarks();

  // Blocks 1 to R-1: the count read in block 0 decides how many follow.
  const int blocks = resultSets;
  for (int k = 1; k < blocks; ++k) {
    checkEvenedOut(static_cast<size_t>(std::max(resultSets, k + 1)),
                   static_cast<size_t>(TGraphPlot::PointCount(g_.pltLD.Curves)));
    TGraphPlot::SetCurveCount(g_.pltLD.Curves, std::max(resultSets, k + 1));
    readEarthPressure(k, false);
    readPYCurves(false);
    resultSets = std::max(resultSets, reader_.nextInteger());
    checkEvenedOut(static_cast<size_t>(resultSets), largestRows);
    setResultCurveCount(resultSets);
    for (TGraphPlot* graph : {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil, &g_.pltDMS}) {
      graph->Curves[0].Name = "Stage: 1";
      graph->Curves[static_cast<size_t>(k)].Name = "Stage: " + std::to_string(k + 1);
      if (project_.LongTermAnalysis) {
        graph->Curves[0].Name = "Short-Term";
        graph->Curves[1].Name = "Long-Term";
      }
    }
    largestRows = std::max(largestRows, static_cast<size_t>(readResults(k)));
  }

  // Curves of unequal length end on their own last point.
  TGraphPlot::SetCurveCount(g_.pltLD.Curves, resultSets);
  if (resultSets > 1) {
    checkEvenedOut(static_cast<size_t>(resultSets), static_cast<size_t>(project_.EarthPressurePointCount));
    checkEvenedOut(static_cast<size_t>(resultSets), largestRows);
    evenOut(g_.pltLD.Curves, static_cast<size_t>(project_.EarthPressurePointCount));
    for (TCurveList* list : resultLists()) evenOut(*list, largestRows);
    for (TCurveList* list : dmsLists()) evenOut(*list, largestRows);
  }
  setCaptions();
  for (TGraphPlot* graph : g_.all()) graph->SetUnits(unitFlag_);
}

}  // namespace

PlotLoadResult LoadPlotDataText(std::string_view text, TResultGraphs& graphs, TProgramData& project,
                                const GridTable& soilLayers) {
  try {
    PlotReader(text, graphs, project, soilLayers).read();
    return {true, {}};
  } catch (const MessageError& e) {
    return {false, e.message()};
  }
}

PlotLoadResult LoadPlotData(const std::string& path, TResultGraphs& graphs, TProgramData& project,
                            const GridTable& soilLayers) {
  std::string text;
  if (!readWholeFile(path, text)) return {false, "Cannot open file \"" + path + "\""};
  return LoadPlotDataText(text, graphs, project, soilLayers);
}

}  // namespace murena
