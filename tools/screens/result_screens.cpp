// Graph windows of an example with one result set and of a staged example
// with three, the three-panel view with the soil column and the wall sketch,
// a zoomed graph, a printed page, a saved picture, and the dialogs.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>

#include "frontend/project/ui/bare_host.h"
#include "frontend/results/graph_drawing.h"
#include "frontend/results/graph_files.h"
#include "frontend/results/ui/active_lines_dialog.h"
#include "frontend/results/ui/drawing_painter.h"
#include "frontend/results/ui/export_dialog.h"
#include "frontend/results/ui/graph_caption_dialog.h"
#include "frontend/results/ui/graph_output.h"
#include "frontend/results/ui/line_names_dialog.h"
#include "frontend/results/ui/plot_canvas.h"
#include "frontend/results/ui/plot_form.h"
#include "frontend/results/ui/plot_windows.h"
#include "frontend/results/ui/save_attributes_dialog.h"
#include "tools/screens/screen_shooter.h"

namespace murena::screens {

namespace {

ui::TPlotForm* formOf(BareHost& host, TGraphPlot& graph) {
  return qobject_cast<ui::TPlotForm*>(host.plotWindows().windowOf(graph));
}

void shootAllGraphs(ScreenShooter& shooter, BareHost& host, const QString& prefix) {
  for (const NamedGraph& g : namedResultGraphs(host.graphs())) {
    TGraphPlot& graph = *g.graph;
    host.plotWindows().show(graph);
    if (formOf(host, graph)) shooter.save(&host, prefix + QLatin1String(g.fileStem));
  }
}

// The printed page as the printer would get it, drawn on an image of a
// letter page at 100 dots per inch.
void shootPrintedPage(ScreenShooter& shooter, ui::TPlotForm& form, const QString& name) {
  constexpr int dpi = 100;
  QImage page(850, 1100, QImage::Format_RGB32);
  page.setDotsPerMeterX(int(dpi / 0.0254));
  page.setDotsPerMeterY(int(dpi / 0.0254));
  page.fill(Qt::white);
  const draw::Rect output = printOutputRect(850, 1100, dpi, dpi, form.view().margins(), Margins{});
  QPainter painter(&page);
  ui::paintDrawing(painter, ui::graphDrawing(form.view(), OutputMode::Printer, output, dpi, dpi,
                                             form.legendFraction(), &page));
  painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
  painter.drawRect(QRectF(output.left, output.top, output.width(), output.height()));
  painter.end();
  const QString path = QDir(shooter.dir()).filePath(name + QStringLiteral(".png"));
  page.save(path);
}

void shootSaved(ScreenShooter& shooter, ui::TPlotForm& form, const QString& name, SaveAttributes a) {
  form.saveTo(QDir(shooter.dir()).filePath(name + QStringLiteral(".png")), GraphFileFormat::Png, a);
}

void shootDialog(ScreenShooter& shooter, QDialog* dialog, const QString& name) {
  dialog->show();
  dialog->adjustSize();
  shooter.save(dialog, name);
  // The same dialog made as small as it allows.
  dialog->resize(dialog->minimumSize());
  shooter.save(dialog, name + QStringLiteral("_smallest"));
  dialog->close();
  delete dialog;
}

}  // namespace

void shootResults(ScreenShooter& shooter) {
  {
    BareHost host;
    host.resize(1100, 760);
    host.show();
    host.openProject(shooter.exampleCopy(QStringLiteral("anchored_sand_clay_trapezoid_si")).toStdString());
    shootAllGraphs(shooter, host, QStringLiteral("results_single_"));

    // A zoomed deflection graph, through the window's own rubber band.
    TGraphPlot& def = host.graphs().pltDef;
    host.plotWindows().show(def);
    if (ui::TPlotForm* form = formOf(host, def)) {
      const GraphLayout l = form->canvas()->screenLayout();
      const PanelMapping m = form->view().mapping(l, 0);
      form->view().zoom(l, m.map({0.003, 3}), m.map({0.008, 6.5}));
      form->canvas()->update();
      shooter.save(&host, QStringLiteral("results_zoomed_deflection"));
      shootSaved(shooter, *form, QStringLiteral("results_saved_zoomed_deflection_6x4_72ppi"), SaveAttributes{});
    }
    TGraphPlot& py = host.graphs().pltPY;
    host.plotWindows().show(py);
    if (ui::TPlotForm* form = formOf(host, py)) {
      form->view().setGraphTitle("p-y curves of the anchored wall", true);
      form->relayout(true);
      shooter.save(&host, QStringLiteral("results_single_py_curves_titled"));
      shootPrintedPage(shooter, *form, QStringLiteral("results_printed_py_curves"));
      shootSaved(shooter, *form, QStringLiteral("results_saved_py_curves_6x4_150ppi"), {4, 6, 150});
      shootDialog(shooter, new ui::TdlgFormat(SaveAttributes{}, form), QStringLiteral("results_dialog_save_attributes"));
      shootDialog(shooter, new ui::TfrmGraphCaption(QStringLiteral("p-y curves of the anchored wall"), true, form),
                  QStringLiteral("results_dialog_graph_caption"));
      shootDialog(shooter, new ui::TfrmLineNames(py, form), QStringLiteral("results_dialog_legend"));
      shootDialog(shooter, new ui::TfrmActiveLines(py, form), QStringLiteral("results_dialog_active_curves"));
    }
    shootDialog(shooter, new ui::TDlgExport(host, &host), QStringLiteral("results_dialog_export"));
  }
  {
    BareHost host;
    host.resize(1100, 760);
    host.show();
    host.openProject(shooter.exampleCopy(QStringLiteral("staged_anchored_sand_clay_rock_english")).toStdString());
    shootAllGraphs(shooter, host, QStringLiteral("results_staged_"));
    TGraphPlot& dms = host.graphs().pltDMS;
    host.plotWindows().show(dms);
    if (ui::TPlotForm* form = formOf(host, dms)) {
      form->runCommand(PlotCommand::ShowSoilLayer);
      shooter.save(&host, QStringLiteral("results_staged_three_panels_soil_column"));
      form->runCommand(PlotCommand::ShowWall);
      shooter.save(&host, QStringLiteral("results_staged_three_panels_wall_sketch"));
      shootPrintedPage(shooter, *form, QStringLiteral("results_printed_three_panels_wall_sketch"));
      shootSaved(shooter, *form, QStringLiteral("results_saved_three_panels_8x5_96ppi"), {5, 8, 96});
      form->runCommand(PlotCommand::ShowWall);
      form->runCommand(PlotCommand::FontSize, 15);
      form->runCommand(PlotCommand::LineWidth, 2);
      shooter.save(&host, QStringLiteral("results_staged_three_panels_larger_font"));
    }
    shootDialog(shooter, new ui::TDlgExport(host, &host), QStringLiteral("results_dialog_export_staged"));

    // Every graph of the staged example printed and saved, the deflection
    // graph with its title at the bottom.
    host.graphs().pltDef.GraphTitle = "Deflection of the three stages";
    for (const NamedGraph& g : namedResultGraphs(host.graphs())) {
      host.plotWindows().show(*g.graph);
      if (ui::TPlotForm* form = formOf(host, *g.graph)) {
        form->relayout(true);
        const QString stem = QLatin1String(g.fileStem);
        shootPrintedPage(shooter, *form, QStringLiteral("results_printed_staged_") + stem);
        shootSaved(shooter, *form, QStringLiteral("results_saved_staged_") + stem, SaveAttributes{});
      }
    }
  }
  {
    // Small windows and the largest font size.
    BareHost host;
    host.resize(560, 400);
    host.show();
    host.openProject(shooter.exampleCopy(QStringLiteral("staged_anchored_sand_clay_rock_english")).toStdString());
    host.graphs().pltDMS.ShowLayers = true;
    shootAllGraphs(shooter, host, QStringLiteral("results_small_"));
    host.resize(1100, 760);
    for (TGraphPlot* graph : {&host.graphs().pltDef, &host.graphs().pltPY, &host.graphs().pltDMS}) {
      host.plotWindows().show(*graph);
      if (ui::TPlotForm* form = formOf(host, *graph)) {
        form->runCommand(PlotCommand::FontSize, 40);
        shooter.save(&host, QStringLiteral("results_font4x_") +
                                QLatin1String(graph == &host.graphs().pltDef   ? "deflection"
                                              : graph == &host.graphs().pltPY ? "py_curves"
                                                                              : "deflection_moment_shear"));
      }
    }
  }
}

}  // namespace murena::screens
