#pragma once
// Small tables built in code for the table tests.
#include <memory>
#include <string>
#include <vector>

#include "frontend/entry/grid_table.h"

namespace murena::testing {

// A column with its caption lines.
template <class Column>
std::unique_ptr<Column> captioned(std::unique_ptr<Column> column, std::vector<std::string> captions) {
  column->setCaptionLines(std::move(captions));
  return column;
}

inline std::unique_ptr<TFloatColumn> realColumn(std::vector<std::string> captions, std::string units,
                                                double defaultValue = 0.0) {
  return captioned(std::make_unique<TFloatColumn>(std::move(units), defaultValue), std::move(captions));
}

inline std::unique_ptr<TIntColumn> intColumn(std::vector<std::string> captions, int defaultValue, int minValue,
                                             int maxValue) {
  return captioned(std::make_unique<TIntColumn>(defaultValue, minValue, maxValue), std::move(captions));
}

inline std::unique_ptr<TEnumColumn> enumColumn(std::vector<std::string> captions, std::vector<std::string> options) {
  return captioned(std::make_unique<TEnumColumn>(std::move(options)), std::move(captions));
}

// Sets the published properties the table tests use.
inline void describe(GridTable& table, int identifier, std::string caption, int minRows, int maxRows) {
  table.setIdentifier(identifier);
  table.setCaption(std::move(caption));
  table.setMinRows(minRows);
  table.setMaxRows(maxRows);
}

// A soil-layer table whose sub-table column takes the clay template for
// option 1 and the sand template for option 2.
template <class Table, class Registry>
struct SoilTables {
  explicit SoilTables(Registry& registry) : clay(registry), sand(registry), layers(registry) {
    describe(clay, 18, "Clay", 2, 2);
    clay.addColumn(realColumn({"Total", "Unit Weight"}, "F/L2^3"));
    clay.addColumn(realColumn({"Cohesive", "Strength"}, "F/L2^2"));
    describe(sand, 17, "Sand", 2, 2);
    sand.addColumn(realColumn({"Total", "Unit Weight"}, "F/L2^3"));
    sand.addColumn(realColumn({"Friction", "Angle"}, "DEG."));
    sand.addColumn(realColumn({"", "k(py)"}, "F/L^3"));
    describe(layers, 19, "Soil Layers", 1, 10);
    layers.addColumn(enumColumn({"Soil Type"}, {"Soft Clay", "Sand"}));
    layers.addColumn(realColumn({"Depth at", "Bottom"}, "L2"));
    layers.addColumn(captioned(std::make_unique<TTableColumn>(std::vector<int>{18, 17}), {"Edit Soil", "Parameters"}));
  }
  Table clay;
  Table sand;
  Table layers;
};

}  // namespace murena::testing
