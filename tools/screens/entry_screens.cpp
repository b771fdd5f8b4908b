// Data entry: every data dialog on an English example, the soil-layer table
// with a parameter sub-table open, a few table editors with explanatory texts
// and help pictures, and the chart editor with an external p-y curve.
#include <QApplication>
#include <QMdiSubWindow>

#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/table_editors.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/bare_host.h"
#include "tools/screens/screen_shooter.h"

namespace murena::screens {

namespace {

// The framed child window that holds a widget (the widget itself outside an area).
QWidget* frameOf(QWidget* widget) {
  QWidget* sub = ui::enclosingSubWindow(widget);
  return sub != nullptr ? sub : widget;
}

// A shown host area with a copy of an example open.
void openExample(BareHost& host, ScreenShooter& shooter, const char* example) {
  host.resize(1500, 1100);
  host.show();
  host.openProject(shooter.exampleCopy(QString::fromLatin1(example)).toStdString());
}

// Opens a table's editor, saves its picture and closes it.
void shootEditor(BareHost& host, ScreenShooter& shooter, GridTable& table, const char* name) {
  host.showTableEditor(table);
  shooter.save(frameOf(host.tableEditors().editorOf(table)), QString::fromLatin1(name));
  host.tableEditors().closeAll();
}

void shootDialogs(ScreenShooter& shooter) {
  BareHost host;
  openExample(host, shooter, "anchored_soft_over_stiff_clay_english");
  host.project().data().ApplyConcentratedLoads = true;
  host.setTextEditorPath(QStringLiteral("/usr/bin/gedit"));
  const struct {
    DataDialog which;
    const char* name;
  } dialogs[] = {
      {DataDialog::Title, "dialog_title"},
      {DataDialog::WallProperties, "dialog_wall_properties"},
      {DataDialog::WallConfiguration, "dialog_wall_configuration"},
      {DataDialog::ConcentratedLoads, "dialog_concentrated_loads"},
      {DataDialog::Springs, "dialog_springs"},
      {DataDialog::Tieback, "dialog_tieback"},
      {DataDialog::Surcharge, "dialog_surcharge"},
      {DataDialog::ControlOptions, "dialog_control_options"},
  };
  for (const auto& d : dialogs) {
    host.dataDialogs().show(d.which);
    QWidget* window = host.dataDialogs().dialog(d.which);
    if (window == nullptr) continue;
    shooter.save(frameOf(window), QString::fromLatin1(d.name));
    host.dataDialogs().closeAll();
  }
}

void shootTables(ScreenShooter& shooter) {
  BareHost host;
  openExample(host, shooter, "anchored_soft_over_stiff_clay_english");
  TProjectTables& tables = host.project().tables();

  // Soil layers with the parameter table of layer 2 opened from its button,
  // the two windows side by side in an area cut to fit them.
  host.showTableEditor(tables.NewSoil);
  QWidget* layers = frameOf(host.tableEditors().editorOf(tables.NewSoil));
  shooter.save(layers, QStringLiteral("table_soil_layers"));
  if (GridTable* clay = tables.NewSoil.subTable(col::kSoilParameters, 1)) {
    host.showTableEditor(*clay);
    QWidget* parameters = frameOf(host.tableEditors().editorOf(*clay));
    shooter.save(parameters, QStringLiteral("table_clay_parameters"));
    layers->move(0, 0);
    parameters->move(24, layers->height() + 8);
    host.resize(std::max(layers->width(), parameters->width() + 24) + 8,
                layers->height() + parameters->height() + 16);
    shooter.save(&host, QStringLiteral("table_soil_layers_with_parameters"));
    host.resize(1500, 1100);
  }
  host.tableEditors().closeAll();

  const struct {
    GridTable* table;
    const char* name;
  } editors[] = {
      {&tables.PileSect, "table_wall_stiffness"},
      {&tables.SurchargeTable, "table_surcharge"},
      {&tables.DistLoad, "table_distributed_loads"},
      {&tables.SoilStrength, "table_springs"},
      {&tables.TiebackTable1, "table_tiebacks"},
  };
  for (const auto& e : editors) shootEditor(host, shooter, *e.table, e.name);
}

void shootCurves(ScreenShooter& shooter) {
  BareHost host;
  openExample(host, shooter, "anchored_user_curves_si");
  TProjectTables& tables = host.project().tables();
  shootEditor(host, shooter, tables.PYCurves2, "table_py_curve_sets");
  if (GridTable* curve = tables.PYCurves2.subTable(col::kSetCurve, 0))
    shootEditor(host, shooter, *curve, "chart_py_curve");

  tables.MEICurves2.setRowCount(1);
  if (GridTable* rows = tables.MEICurves2.subTable(col::kEIData, 0)) {
    const double moments[] = {0, 2000, 4000, 6000, 8000, 9000};
    const double stiffness[] = {150000, 150000, 140000, 110000, 70000, 40000};
    rows->setRowCount(6);
    for (int r = 0; r < 6; ++r) {
      rows->setReal(col::kEIMoment, r, moments[r]);
      rows->setReal(col::kEIStiffness, r, stiffness[r]);
    }
    shootEditor(host, shooter, *rows, "chart_moment_ei");
  }
}

}  // namespace

void shootDataEntry(ScreenShooter& shooter) {
  shootDialogs(shooter);
  shootTables(shooter);
  shootCurves(shooter);
}

}  // namespace murena::screens
