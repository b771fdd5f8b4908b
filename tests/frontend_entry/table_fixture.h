#pragma once
// Small tables built in code for the table tests.
#include <memory>
#include <string>
#include <vector>

#include "frontend/entry/grid_table.h"

namespace murena::testing {

inline std::unique_ptr<TFloatColumn> realColumn(std::vector<std::string> captions, std::string units,
                                                double defaultValue = 0.0) {
  auto c = std::make_unique<TFloatColumn>(std::move(units), defaultValue);
  c->setCaptionLines(std::move(captions));
  return c;
}

inline std::unique_ptr<TIntColumn> intColumn(std::vector<std::string> captions, int defaultValue, int minValue,
                                             int maxValue) {
  auto c = std::make_unique<TIntColumn>(defaultValue, minValue, maxValue);
  c->setCaptionLines(std::move(captions));
  return c;
}

inline std::unique_ptr<TEnumColumn> enumColumn(std::vector<std::string> captions, std::vector<std::string> options) {
  auto c = std::make_unique<TEnumColumn>(std::move(options));
  c->setCaptionLines(std::move(captions));
  return c;
}

// A soil-layer table whose sub-table column takes the clay template for
// option 1 and the sand template for option 2.
template <class Table, class Registry>
struct SoilTables {
  explicit SoilTables(Registry& registry) : clay(registry), sand(registry), layers(registry) {
    clay.setIdentifier(18);
    clay.setCaption("Clay");
    clay.setMinRows(2);
    clay.setMaxRows(2);
    clay.addColumn(realColumn({"Total", "Unit Weight"}, "F/L2^3"));
    clay.addColumn(realColumn({"Cohesive", "Strength"}, "F/L2^2"));
    sand.setIdentifier(17);
    sand.setCaption("Sand");
    sand.setMinRows(2);
    sand.setMaxRows(2);
    sand.addColumn(realColumn({"Total", "Unit Weight"}, "F/L2^3"));
    sand.addColumn(realColumn({"Friction", "Angle"}, "DEG."));
    sand.addColumn(realColumn({"", "k(py)"}, "F/L^3"));
    layers.setIdentifier(19);
    layers.setCaption("Soil Layers");
    layers.setMinRows(1);
    layers.setMaxRows(10);
    layers.addColumn(enumColumn({"Soil Type"}, {"Soft Clay", "Sand"}));
    layers.addColumn(realColumn({"Depth at", "Bottom"}, "L2"));
    auto flex = std::make_unique<TTableColumn>(std::vector<int>{18, 17});
    flex->setCaptionLines({"Edit Soil", "Parameters"});
    layers.addColumn(std::move(flex));
  }
  Table clay;
  Table sand;
  Table layers;
};

}  // namespace murena::testing
