#include "frontend/results/graph_plot.h"

#include <algorithm>

#include "frontend/entry/general_format.h"

namespace murena {

const std::array<TPaletteColor, 17> CurvePalette{{
    {0, 0, 0},       {0, 0, 255},     {255, 0, 0},     {0, 128, 0},     {128, 0, 128},
    {128, 0, 0},     {0, 0, 128},     {255, 0, 255},   {128, 128, 0},   {0, 128, 128},
    {128, 128, 128}, {0, 255, 0},     {128, 128, 128}, {192, 192, 192}, {192, 192, 192},
    {255, 255, 0},   {0, 255, 255},
}};

void TGraphPlot::SetUnits(int units) { units_ = std::clamp(units, 1, 3); }

void TGraphPlot::SetCurveCount(TCurveList& list, int count) {
  count = std::max(count, 0);
  if (static_cast<int>(list.size()) > count) {
    list.resize(static_cast<size_t>(count));
    return;
  }
  const size_t points = list.empty() ? 0 : list.front().Points.size();
  while (static_cast<int>(list.size()) < count) {
    TLine curve;
    curve.Value = static_cast<double>(list.size()) + 1;
    curve.Points.resize(points);
    list.push_back(std::move(curve));
  }
}

void TGraphPlot::SetPointCount(TCurveList& list, int count) {
  const size_t n = static_cast<size_t>(std::max(count, 0));
  for (TLine& curve : list) curve.Points.resize(n);
}

int TGraphPlot::PointCount(const TCurveList& list) {
  return list.empty() ? 0 : static_cast<int>(list.front().Points.size());
}

std::string TGraphPlot::displayedName(const TLine& curve) const {
  if (!curve.Name.empty()) return curve.Name;
  return CurveName + formatGeneral(curve.Value, 15);
}

std::string TGraphPlot::legendText(int index) const {
  std::string text = displayedName(Curves.at(static_cast<size_t>(index)));
  if (onGetCaption) onGetCaption(index, text);
  return text;
}

std::string TGraphPlot::axisTitle(const std::string& caption, const std::string& units) const {
  if (units.empty()) return caption;
  return caption + " (" + ExpandUnits(units, units_) + ")";
}

void TGraphPlot::clearPoints() {
  for (TCurveList* list : {&Curves, &Layers, &Curves2, &Curves3})
    for (TLine& curve : *list) curve.Points.clear();
}

namespace {

// Replaces every occurrence of the first placeholder of the family that
// occurs ("F2", else "F1", else "F").
void replaceFamily(std::string& text, char letter, std::string_view plain, std::string_view one,
                   std::string_view two) {
  const std::string p2{letter, '2'};
  const std::string p1{letter, '1'};
  const std::string p{letter};
  const std::string* placeholder = &p;
  std::string_view name = plain;
  if (text.find(p2) != std::string::npos) {
    placeholder = &p2;
    name = two;
  } else if (text.find(p1) != std::string::npos) {
    placeholder = &p1;
    name = one;
  }
  for (size_t pos = 0; (pos = text.find(*placeholder, pos)) != std::string::npos; pos += name.size())
    text.replace(pos, placeholder->size(), name);
}

}  // namespace

std::string ExpandUnits(std::string_view units, int unitSystem) {
  std::string text(units);
  const int system = std::clamp(unitSystem, 1, 3);
  if (system == 3) return text;
  const bool english = system == 1;
  replaceFamily(text, 'F', english ? "lbs" : "kN", english ? "kips" : "kN", english ? "tons" : "kN");
  replaceFamily(text, 'L', english ? "in" : "m", english ? "in" : "mm", english ? "ft" : "m");
  return text;
}

}  // namespace murena
