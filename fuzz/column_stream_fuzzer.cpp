// libFuzzer harness: every input is a table-definitions text.  Definitions
// that read are written, read again and written again: the two texts must be
// the same.  Then every table is given one row, which builds its sub-tables
// from their templates (bounded by the reader's template checks).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frontend/entry/column_stream.h"
#include "frontend/entry/entry_errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace murena;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TGridTableRegistry tables;
  TGridTableChartRegistry charts;
  try {
    TableDefinitions definitions = readTableDefinitions(text, tables, charts);
    const std::string written = writeTableDefinitions(definitions);
    TGridTableRegistry tables2;
    TGridTableChartRegistry charts2;
    std::string again;
    try {
      again = writeTableDefinitions(readTableDefinitions(written, tables2, charts2));
    } catch (const StreamError& e) {
      std::fprintf(stderr, "Written definitions do not read back (line %d): %s\n%s\n", e.line(), e.what(),
                   written.c_str());
      std::abort();
    }
    if (again != written) {
      std::fprintf(stderr, "Definitions change on a second round:\n%s\n---\n%s\n", written.c_str(), again.c_str());
      std::abort();
    }
    for (const auto& entry : definitions.entries()) entry.second->setRowCount(1);
  } catch (const MessageError&) {
    // Refused definitions: StreamError, or TableError from a property setter.
  }
  return 0;
}
