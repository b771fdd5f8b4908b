#pragma once
// The result graphs of a run written from the command line: every graph as
// a picture (PNG, SVG or PDF) and the workbook of all exportable graphs,
// drawn and written exactly as the desktop program saves and exports them
// (on Qt's offscreen platform, no display needed).
//
//   murena-run --graphs DIR [--graph-format png|svg|pdf] [--xlsx FILE] FILE.mr5d
#include <iosfwd>
#include <string>

namespace murena::runner {

struct GraphOutputOptions {
  std::string graphsDir;       // empty: no pictures
  std::string format = "png";  // png, svg or pdf
  std::string workbook;        // empty: no workbook

  bool wanted() const { return !graphsDir.empty() || !workbook.empty(); }
};

// Reads the run's plot data file beside `dataFile` and writes the pictures
// (DIR/<data file name>-<graph>.<format>) and the workbook.  Returns false
// after writing the reasons to `errors`.
bool writeRunGraphs(const std::string& dataFile, const GraphOutputOptions& options, std::ostream& errors);

}  // namespace murena::runner
