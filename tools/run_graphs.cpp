#include "tools/run_graphs.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <system_error>
#include <unistd.h>

#include "frontend/entry/ui/numeric_locale.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/project.h"
#include "frontend/project/project_tables.h"
#include "frontend/results/export_selection.h"
#include "frontend/results/graph_files.h"
#include "frontend/results/plot_data_loader.h"
#include "frontend/results/plot_view.h"
#include "frontend/results/result_graphs.h"
#include "frontend/results/ui/graph_output.h"
#include "frontend/results/ui/workbook_writer.h"
#include "frontend/results/workbook_plan.h"

namespace fs = std::filesystem;

namespace murena::runner {

namespace {

// Pictures written from the command line: 10 by 7.5 inches at 96 pixels
// per inch (960 by 720 pixels).
constexpr SaveAttributes kPictureSize{7.5, 10, 96, ColorDepth::TrueColor};

// Painting needs a GUI application; without a display Qt's offscreen
// platform serves.
void ensureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "murena-run";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
  ui::keepDecimalPointInNumbers();
}

GraphFileFormat formatOf(const std::string& name) {
  if (name == "svg") return GraphFileFormat::Svg;
  if (name == "pdf") return GraphFileFormat::Pdf;
  return GraphFileFormat::Png;
}

// The project is read from a private copy: opening a staged data file
// splits it into stage files, which must not appear beside the user's file.
struct ProjectCopy {
  TProjectTables tables;
  TProject project{tables};
  fs::path folder;
  ~ProjectCopy() {
    std::error_code ignored;
    if (!folder.empty()) fs::remove_all(folder, ignored);
  }
};

bool openCopy(const fs::path& dataFile, ProjectCopy& copy, std::ostream& errors) {
  std::error_code error;
  std::string pattern = (fs::temp_directory_path(error) / "murena-graphs-XXXXXX").string();
  if (error || ::mkdtemp(pattern.data()) == nullptr) {
    errors << "murena-run: cannot create a temporary folder to read the project of " << dataFile.string() << "\n";
    return false;
  }
  copy.folder = pattern;
  const fs::path copied = copy.folder / dataFile.filename();
  if (!error) fs::copy_file(dataFile, copied, fs::copy_options::overwrite_existing, error);
  if (error) {
    errors << "murena-run: cannot copy " << dataFile.string() << " to read its project: " << error.message() << "\n";
    return false;
  }
  const std::string message = copy.project.open(copied.string(), layoutForExtension(copied.string()));
  if (!message.empty()) errors << "murena-run: " << dataFile.string() << ": " << message << "\n";
  return true;
}

}  // namespace

bool writeRunGraphs(const std::string& dataFile, const GraphOutputOptions& options, std::ostream& errors) {
  ensureApplication();
  const fs::path data = fs::absolute(dataFile);
  const fs::path plot = fs::path(data).replace_extension(".mr5p");
  ProjectCopy copy;
  if (!openCopy(data, copy, errors)) return false;
  TResultGraphs graphs;
  const PlotLoadResult loaded = LoadPlotData(plot.string(), graphs, copy.project.data(), copy.tables.NewSoil);
  if (!loaded.ok) {
    errors << "murena-run: cannot read the plot data file " << plot.string() << ": " << loaded.error << "\n";
    return false;
  }
  bool ok = true;
  if (!options.graphsDir.empty()) {
    std::error_code error;
    fs::create_directories(options.graphsDir, error);
    const GraphFileFormat format = formatOf(options.format);
    for (const NamedGraph& g : namedResultGraphs(graphs)) {
      if (!graphCommandEnabled(graphs, *g.graph, true) || TGraphPlot::PointCount(g.graph->Curves) == 0) continue;
      PlotView view(*g.graph);
      if (!view.open()) continue;
      const fs::path file =
          fs::path(options.graphsDir) / (data.stem().string() + "-" + g.fileStem + "." + formatSuffix(format));
      const QString problem = ui::writeGraphFile(view, QString::fromStdString(file.string()), format, kPictureSize, {});
      if (!problem.isEmpty()) {
        errors << "murena-run: " << problem.toStdString() << "\n";
        ok = false;
      }
    }
  }
  // One workbook file holds the graphs of one run only.
  static std::string workbookOf;
  if (!options.workbook.empty() && !workbookOf.empty() && workbookOf != data.string()) {
    errors << "murena-run: " << options.workbook << " already holds the graphs of " << workbookOf
           << "; --xlsx takes one data file\n";
    return false;
  }
  if (!options.workbook.empty()) {
    workbookOf = data.string();
    const std::string problem =
        writeWorkbookFile(planWorkbook(ExportSelection(graphs, true).chosen()), options.workbook);
    if (!problem.empty()) {
      errors << "murena-run: " << problem << "\n";
      ok = false;
    }
  }
  return ok;
}

}  // namespace murena::runner
