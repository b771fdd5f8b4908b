// The chart editor of the external p-y curves: the chart beside the grid,
// the file controls enabled by the file's existence, reading the values
// from a file and pasting them from the clipboard, opening the file in the
// text editor.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "entry_fixture.h"
#include "frontend/entry/ui/curve_chart_view.h"
#include "frontend/entry/ui/grid_table_model.h"
#include "frontend/entry/ui/grid_view.h"
#include "frontend/entry/ui/table_chart_form.h"
#include "frontend/entry/ui/table_editors.h"

namespace murena {
namespace {

using ui::TTableChartForm;

class ChartEditorTest : public testing_support::EntryWindowTest {
 protected:
  ChartEditorTest() : EntryWindowTest("anchored_user_curves_si") {}

  void SetUp() override {
    EntryWindowTest::SetUp();
    curve = tables().PYCurves2.subTable(col::kSetCurve, 0);
    ASSERT_NE(curve, nullptr);
    host->showTableEditor(*curve);
    settle();
    form = qobject_cast<TTableChartForm*>(host->tableEditors().editorOf(*curve));
    ASSERT_NE(form, nullptr);
  }

  std::string writeFile(const char* name, const std::string& text) {
    const std::filesystem::path path = example_.folder() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  GridTable* curve = nullptr;
  TTableChartForm* form = nullptr;
};

TEST_F(ChartEditorTest, CurveEditorShowsItsChartAndFileControls) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("External p-y Curve 1"));
  ASSERT_NE(form->chart(), nullptr);
  EXPECT_GT(form->chart()->width(), 100);
  EXPECT_EQ(curve->rowCount(), 7);
  EXPECT_EQ(form->pasteButton()->text(), QStringLiteral("Paste values from  Clipboard (text)"));
  EXPECT_EQ(form->browseButton()->text(), QStringLiteral("Browse"));
  EXPECT_EQ(form->viewFileButton()->text(), QStringLiteral("View/Edit File"));
  EXPECT_EQ(form->readFileButton()->text(), QStringLiteral("Read values from File"));
  // The list of curve sets is a table of the same family without a chart.
  host->showTableEditor(tables().PYCurves2);
  settle();
  auto* sets = qobject_cast<TTableChartForm*>(host->tableEditors().editorOf(tables().PYCurves2));
  ASSERT_NE(sets, nullptr);
  EXPECT_EQ(sets->chart(), nullptr);
  EXPECT_EQ(sets->pasteButton(), nullptr);
}

TEST_F(ChartEditorTest, FileButtonsNeedAnExistingFile) {
  EXPECT_FALSE(form->viewFileButton()->isEnabled());
  EXPECT_FALSE(form->readFileButton()->isEnabled());
  form->fileNameField()->setText(QString::fromStdString((example_.folder() / "missing.txt").string()));
  EXPECT_FALSE(form->readFileButton()->isEnabled());
  const std::string path = writeFile("curve file.txt", "y p\n0.1, 200\n");
  nextFile = ui::FileChoice{QString::fromStdString(path), 1};
  clickOn(form->browseButton());
  ASSERT_FALSE(prompts.empty());
  EXPECT_EQ(prompts.back().type, ui::PromptRequest::Type::OpenFile);
  EXPECT_EQ(prompts.back().filter, TTableChartForm::kCurveFileFilter);
  EXPECT_EQ(form->fileNameField()->text(), QString::fromStdString(path));
  EXPECT_TRUE(form->viewFileButton()->isEnabled());
  EXPECT_TRUE(form->readFileButton()->isEnabled());
  clickOn(form->viewFileButton());
  EXPECT_EQ(host->editorStarts(), 1);
}

TEST_F(ChartEditorTest, ReadValuesFromFile) {
  tables().PYCurves2.clearModified();
  const std::string path = writeFile("curve.txt", "Deflection Resistance\r\n0.1, 200\r\n0.2 350\r\nend\r\n");
  form->fileNameField()->setText(QString::fromStdString(path));
  clickOn(form->readFileButton());
  EXPECT_TRUE(messages().isEmpty());
  ASSERT_EQ(curve->rowCount(), 2);  // the minimum rows of a curve
  EXPECT_DOUBLE_EQ(curve->real(0, 0), 0.1);
  EXPECT_DOUBLE_EQ(curve->real(1, 1), 350);
  EXPECT_EQ(form->gridModel()->rowCount(), 2);
  EXPECT_EQ(form->gridModel()->index(1, 1).data().toString(), QStringLiteral("350"));
  EXPECT_TRUE(tables().PYCurves2.isModified());

  // A file that went away meanwhile gives its message; the rows stay.
  std::filesystem::remove(path);
  clickOn(form->readFileButton());
  EXPECT_EQ(messages().size(), 1);
  EXPECT_EQ(curve->rowCount(), 2);
}

TEST_F(ChartEditorTest, PasteValuesFromTheClipboard) {
  QGuiApplication::clipboard()->setText(QStringLiteral("-0.03\t70\r\n-0.01,40\r\n0 0\r\n0.01 -40\r\n0.03\t-70\r\n"));
  clickOn(form->pasteButton());
  EXPECT_TRUE(messages().isEmpty());
  ASSERT_EQ(curve->rowCount(), 5);
  EXPECT_DOUBLE_EQ(curve->real(0, 0), -0.03);
  EXPECT_DOUBLE_EQ(curve->real(1, 4), -70);
  EXPECT_EQ(form->gridModel()->rowCount(), 5);

  QGuiApplication::clipboard()->clear();
  clickOn(form->pasteButton());
  EXPECT_EQ(messages(), QStringList{QStringLiteral("There is no text on the Clipboard")});
  EXPECT_EQ(curve->rowCount(), 5);
}

TEST_F(ChartEditorTest, AnEntryRedrawsTheChart) {
  const QImage before = form->chart()->grab().toImage();
  form->grid()->setCurrentIndex(form->gridModel()->index(0, 1));
  form->grid()->edit(form->gridModel()->index(0, 1));
  ASSERT_NE(form->grid()->cellEditor(), nullptr);
  form->grid()->cellEditor()->setText(QStringLiteral("200"));
  ASSERT_TRUE(form->commitEntry());
  EXPECT_DOUBLE_EQ(curve->real(col::kCurveP, 0), 200);
  EXPECT_NE(form->chart()->grab().toImage(), before);
}

}  // namespace
}  // namespace murena
