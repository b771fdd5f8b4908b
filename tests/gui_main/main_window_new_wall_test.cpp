// A wall entered from nothing through the real windows: the wall's
// properties typed into their dialogs, its stiffness and a sand layer with its
// parameters typed into the table editors, then saved, run and its results
// loaded, as an engineer would do it.
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <fstream>
#include <sstream>

#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/data_edit.h"
#include "frontend/entry/ui/grid_view.h"
#include "frontend/entry/ui/table_editors.h"
#include "frontend/entry/ui/table_form.h"
#include "frontend/project/project_tables.h"
#include "main_window_fixture.h"
#include "tests/gui_support/table_typing.h"

namespace murena {
namespace {

using testing_support::MainWindowTest;
using testing_support::typeInCell;

class NewWallTest : public MainWindowTest {
 protected:
  static void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  QWidget* dialog(DataDialog which) { return window->dataDialogs().dialog(which); }
  // Types into a dialog's field as the user does: click, replace, Tab.
  void typeField(QWidget* dialog, const char* name, const QString& text) {
    auto* edit = dialog->findChild<ui::TDataEdit*>(QString::fromLatin1(name));
    ASSERT_NE(edit, nullptr) << name;
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
    settle();
  }
  ui::TTableForm* editorOf(GridTable& table) {
    return qobject_cast<ui::TTableForm*>(window->tableEditors().editorOf(table));
  }
  static void closeWindowOf(QWidget* child) {
    ASSERT_TRUE(ui::enclosingSubWindow(child)->close());
    settle();
  }
  static std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(NewWallTest, TypedWallIsSavedRunAndItsGraphsOpen) {
  open();
  TProjectTables& tables = window->project().tables();

  // Wall Properties: 80 increments of 6 in, a free height of 10 ft.
  trigger(Command::ToolWallProperties);
  settle();
  QWidget* properties = dialog(DataDialog::WallProperties);
  ASSERT_NE(properties, nullptr);
  typeField(properties, "Increments", QStringLiteral("80"));
  typeField(properties, "IncrementLength", QStringLiteral("6"));
  typeField(properties, "FreeHeight", QStringLiteral("2*5"));

  // Its stiffness, from the dialog's button: one section over the wall.
  auto* sections = properties->findChild<QPushButton*>(QStringLiteral("EnterSectionData"));
  ASSERT_NE(sections, nullptr);
  QTest::mouseClick(sections, Qt::LeftButton);
  settle();
  ui::TTableForm* stiffness = editorOf(tables.PileSect);
  ASSERT_NE(stiffness, nullptr);
  typeInCell(stiffness->grid(), 0, col::kSectFrom, QStringLiteral("0"));
  typeInCell(stiffness->grid(), 0, col::kSectTo, QStringLiteral("80"));
  typeInCell(stiffness->grid(), 0, col::kSectEI, QStringLiteral("4.5E9"));
  closeWindowOf(stiffness);
  closeWindowOf(properties);

  // Wall Configuration: one-foot wall units.
  trigger(Command::ToolWallConfiguration);
  settle();
  QWidget* configuration = dialog(DataDialog::WallConfiguration);
  ASSERT_NE(configuration, nullptr);
  typeField(configuration, "ActiveWidth", QStringLiteral("12"));
  typeField(configuration, "PYWidth", QStringLiteral("12"));
  closeWindowOf(configuration);

  // One sand layer 60 ft deep, and its parameters in its sub-table.
  trigger(Command::ToolSoilLayers);
  settle();
  ui::TTableForm* layers = editorOf(tables.NewSoil);
  ASSERT_NE(layers, nullptr);
  ui::GridView* grid = layers->grid();
  auto* type = qobject_cast<QComboBox*>(grid->indexWidget(grid->model()->index(0, col::kSoilType)));
  ASSERT_NE(type, nullptr);
  type->setCurrentIndex(3);
  emit type->activated(3);  // "Sand"
  settle();
  typeInCell(grid, 0, col::kSoilDepth, QStringLiteral("60"));
  auto* parametersButton =
      qobject_cast<QPushButton*>(grid->indexWidget(grid->model()->index(0, col::kSoilParameters)));
  ASSERT_NE(parametersButton, nullptr);
  EXPECT_EQ(parametersButton->text(), QStringLiteral("1: Sand"));
  QTest::mouseClick(parametersButton, Qt::LeftButton);
  settle();
  GridTable* sand = tables.NewSoil.subTable(col::kSoilParameters, 0);
  ASSERT_NE(sand, nullptr);
  ui::TTableForm* sandEditor = editorOf(*sand);
  ASSERT_NE(sandEditor, nullptr);
  EXPECT_EQ(sandEditor->windowTitle(), QStringLiteral("Sand 1"));
  for (int row = 0; row < 2; ++row) {
    typeInCell(sandEditor->grid(), row, 0, QStringLiteral("110"));  // unit weight, lbs/ft^3
    typeInCell(sandEditor->grid(), row, 1, QStringLiteral("32"));   // friction angle
    typeInCell(sandEditor->grid(), row, 2, QStringLiteral("90"));   // k, lbs/in^3
  }
  // The sand editor stays open: its entries are committed before the save.

  EXPECT_TRUE(window->project().isModified());
  const std::string dataFile = (folder.path() / "Typed Wall.mr5d").string();
  files.push_back(dataFile);
  trigger(Command::ToolRun);
  settle();

  // Saved under the chosen name with what was typed, run, results loaded.
  EXPECT_EQ(fileName(), dataFile);
  EXPECT_FALSE(window->project().isModified());
  const TProgramData& data = window->project().data();
  EXPECT_EQ(data.NodeCount, 80);
  EXPECT_EQ(data.IncrementLength, 6);
  EXPECT_EQ(data.FreeHeight, 120);
  EXPECT_EQ(data.ActiveWidth, 12);
  EXPECT_EQ(tables.PileSect.real(col::kSectEI, 0), 4.5e9);
  EXPECT_EQ(sand->real(1, 1), 32);
  EXPECT_NE(std::find(messages.begin(), messages.end(),
                      "Computations are completed. Please, check output file for results or error messages."),
            messages.end());
  const std::string report = readFile(beside(dataFile, ".mr5o"));
  EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos);
  EXPECT_EQ(report.find("ERROR"), std::string::npos);
  EXPECT_NE(report.find("   0  80  0  0.450E+10"), std::string::npos) << "the typed stiffness reached the engine";
  for (Command graph : {Command::GraphDeflection, Command::GraphMoment, Command::GraphShear, Command::GraphDMS,
                        Command::GraphPressure, Command::GraphPY, Command::ToolDeflection})
    EXPECT_TRUE(enabled(graph)) << commandEntry(graph).caption;
  // The run closed the child windows.
  EXPECT_TRUE(window->mdiArea()->subWindowList().isEmpty());
}

}  // namespace
}  // namespace murena
