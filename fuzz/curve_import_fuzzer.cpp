// libFuzzer harness: every input is curve text read from a file or pasted
// from the clipboard into the chart tables of an external p-y curve (two
// columns) and of a table with three columns.  Rows never exceed the
// table's maximum, never fall below its minimum, and only as many rows as
// were filled are kept.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "frontend/entry/curve_import.h"
#include "frontend/entry/grid_table.h"

namespace {

using namespace murena;

std::unique_ptr<GridTable> chartTable(TGridTableChartRegistry& registry, int columns, int minRows, int maxRows) {
  auto table = std::make_unique<TGridTableChart>(registry);
  table->setMinRows(minRows);
  table->setMaxRows(maxRows);
  for (int c = 0; c < columns; ++c) table->addColumn(std::make_unique<TFloatColumn>("L"));
  table->setRowCount(minRows);
  return table;
}

void check(GridTable& table, std::string_view text) {
  const int filled = importCurveText(table, text);
  if (filled < 0 || (table.maxRows() > 0 && filled > table.maxRows())) std::abort();
  if (table.rowCount() < table.minRows()) std::abort();
  if (filled > 0 && table.rowCount() != std::max(filled, table.minRows())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TGridTableChartRegistry registry;
  check(*chartTable(registry, 2, 2, 17), text);
  check(*chartTable(registry, 3, 1, 0), text);
  return 0;
}
