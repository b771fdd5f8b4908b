// The Save Attributes, Graph Caption, Legend and Active Curves dialogs and
// the export dialog.
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "frontend/results/ui/active_lines_dialog.h"
#include "frontend/results/ui/export_dialog.h"
#include "frontend/results/ui/graph_caption_dialog.h"
#include "frontend/results/ui/line_names_dialog.h"
#include "frontend/results/ui/save_attributes_dialog.h"
#include "tests/gui_results/result_window_fixture.h"

namespace murena {
namespace {

using testing_support::ResultWindowTest;

TGraphPlot threeCurves() {
  TGraphPlot g;
  TGraphPlot::SetCurveCount(g.Curves, 3);
  g.Curves[2].Active = false;
  return g;
}

// The dialog keeps at least the given client size, and at its smallest
// every button and label still shows its whole text.
void expectSmallestSizeShowsEveryText(QDialog& d, QSize least) {
  const QSize smallest = d.minimumSize();
  EXPECT_GE(smallest.width(), least.width());
  EXPECT_GE(smallest.height(), least.height());
  d.resize(least);
  EXPECT_EQ(d.size(), smallest);
  QApplication::processEvents();
  for (QPushButton* b : d.findChildren<QPushButton*>())
    EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
  for (QLabel* l : d.findChildren<QLabel*>())
    EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
}

TEST(SaveAttributesDialogTest, DefaultsAndLeastValues) {
  ui::TdlgFormat d(SaveAttributes{});
  EXPECT_EQ(d.heightBox()->value(), 4);
  EXPECT_EQ(d.widthBox()->value(), 6);
  EXPECT_EQ(d.pixelsPerInchBox()->value(), 72);
  EXPECT_EQ(d.colorDepthBox()->currentText(), QStringLiteral("16 Colors"));
  EXPECT_EQ(d.colorDepthBox()->count(), 5);
  d.heightBox()->setValue(1);
  d.widthBox()->setValue(0.5);
  d.pixelsPerInchBox()->setValue(3);
  const SaveAttributes a = d.attributes();
  EXPECT_EQ(a.heightInches, 2);
  EXPECT_EQ(a.widthInches, 2);
  EXPECT_EQ(a.pixelsPerInch, 10);
  d.heightBox()->setValue(250);
  EXPECT_EQ(d.attributes().heightInches, 250);
}

TEST(GraphCaptionDialogTest, ShowsTheTitleAndItsSide) {
  ui::TfrmGraphCaption d(QStringLiteral("Wall A"), false);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Graph Caption"));
  EXPECT_EQ(d.title(), QStringLiteral("Wall A"));
  EXPECT_TRUE(d.bottomButton()->isChecked());
  d.topButton()->setChecked(true);
  EXPECT_TRUE(d.atTop());
}

// The Legend dialog with the messages it shows recorded.
class LegendDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::setPromptHandler([this](const ui::PromptRequest& r) {
      shown.push_back(r.text);
      return ui::PromptReply{};
    });
  }
  void TearDown() override { ui::setPromptHandler({}); }
  std::vector<QString> shown;
};

TEST_F(LegendDialogTest, EditBoxFollowsTheRowAndRefusesEmptyNames) {
  const TGraphPlot g = threeCurves();
  ui::TfrmLineNames d(g);
  d.show();
  expectSmallestSizeShowsEveryText(d, QSize(195, 167));
  EXPECT_EQ(d.list()->currentRow(), 0);
  EXPECT_EQ(d.edit()->text(), QStringLiteral("Curve #1"));
  d.list()->setCurrentRow(1);
  EXPECT_EQ(d.edit()->text(), QStringLiteral("Curve #2"));
  EXPECT_EQ(d.edit()->palette().color(QPalette::Text), QColor(0, 0, 255));
  d.edit()->setFocus();
  d.edit()->selectAll();
  QTest::keyClicks(d.edit(), QStringLiteral("Upper anchor"));
  QTest::keyClick(d.edit(), Qt::Key_Return);
  EXPECT_TRUE(d.isVisible()) << "Enter stores the name without closing";
  EXPECT_EQ(d.list()->item(1)->text(), QStringLiteral("Upper anchor"));
  d.edit()->clear();
  QTest::keyClick(d.edit(), Qt::Key_Return);
  EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("The line must have a name!")});
  EXPECT_EQ(d.edit()->text(), QStringLiteral("Upper anchor"));
  EXPECT_EQ(d.names()[1], "Upper anchor");
  EXPECT_EQ(d.names()[2], "Curve #3");
}

// Closed with Escape while the edit box has the focus (and an emptied
// text): the dialog goes away without storing or refusing anything.
TEST_F(LegendDialogTest, ClosingWithTheFocusInTheEditBoxStoresNothing) {
  const TGraphPlot g = threeCurves();
  {
    ui::TfrmLineNames d(g);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.edit()->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(d.edit()->hasFocus());
    d.edit()->clear();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(d.result(), QDialog::Rejected);
  }
  EXPECT_TRUE(shown.empty()) << shown.front().toStdString();
}

TEST(ActiveCurvesDialogTest, RowsTogglesAndButtons) {
  const TGraphPlot g = threeCurves();
  ui::TfrmActiveLines d(g);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Active Curves"));
  expectSmallestSizeShowsEveryText(d, QSize(190, 234));
  EXPECT_EQ(d.list()->item(0)->text(), QStringLiteral(" yes :    Curve #1"));
  EXPECT_EQ(d.list()->item(2)->text(), QStringLiteral(" no  :    Curve #3"));
  EXPECT_TRUE(d.list()->item(0)->isSelected());
  const QPoint row2 = d.list()->visualItemRect(d.list()->item(2)).center();
  QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {}, row2);
  QTest::mouseDClick(d.list()->viewport(), Qt::LeftButton, {}, row2);
  EXPECT_EQ(d.list()->item(2)->text(), QStringLiteral(" yes :    Curve #3"));
  d.list()->clearSelection();
  d.list()->item(0)->setSelected(true);
  d.list()->item(1)->setSelected(true);
  d.toggleSelectedButton()->click();
  EXPECT_EQ(d.flags(), (std::vector<bool>{false, false, true}));
  d.activateAllButton()->click();
  EXPECT_EQ(d.flags(), (std::vector<bool>{true, true, true}));
  d.deactivateAllButton()->click();
  EXPECT_EQ(d.flags(), (std::vector<bool>{false, false, false}));
}

class ExportDialogTest : public ResultWindowTest {
 protected:
  void TearDown() override {
    ui::TDlgExport::setWorkbookOpener({});
    ResultWindowTest::TearDown();
  }
};

TEST_F(ExportDialogTest, EntriesButtonsAndGenerating) {
  open("cantilever_sand_english");
  std::vector<QString> opened;
  ui::TDlgExport::setWorkbookOpener([&](const QString& path) {
    opened.push_back(path);
    return true;
  });
  ui::TDlgExport d(*host);
  d.show();
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Export to Excel"));
  ASSERT_EQ(d.list()->count(), 7);
  EXPECT_EQ(d.list()->item(0)->text(), QStringLiteral("p-y Curves"));
  EXPECT_EQ(d.list()->item(6)->text(), QStringLiteral("Earth Pressure Combined"));
  for (int i = 0; i < 7; ++i) {
    EXPECT_TRUE(d.list()->item(i)->flags() & Qt::ItemIsEnabled) << i;
    EXPECT_EQ(d.list()->item(i)->checkState(), Qt::Checked) << i;
  }
  d.unselectAllButton()->click();
  EXPECT_FALSE(d.generateButton()->isEnabled());
  d.list()->item(1)->setCheckState(Qt::Checked);
  EXPECT_TRUE(d.generateButton()->isEnabled());
  d.list()->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(d.generateButton()->isEnabled());
  d.selectAllButton()->click();
  EXPECT_TRUE(d.generateButton()->isEnabled());

  // The file dialog starts beside the data file with the data file's name.
  const QString chosen = QString::fromStdString((project->folder() / "results.xlsx").string());
  files = {{chosen, 1}};
  d.generateButton()->click();
  ASSERT_FALSE(prompts.empty());
  EXPECT_TRUE(prompts.back().startPath.endsWith(QStringLiteral("/cantilever_sand_english.xlsx")));
  EXPECT_TRUE(QFile::exists(chosen));
  EXPECT_EQ(opened, std::vector<QString>{chosen});
  EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ExportDialogTest, WithoutResultsNothingCanBeChosen) {
  project = std::make_unique<testing_support::ExampleProject>("cantilever_sand_english", false);
  host = std::make_unique<BareHost>();
  host->openProject(project->dataFile());
  ASSERT_FALSE(host->resultsLoaded());
  ui::TDlgExport d(*host);
  for (int i = 0; i < d.list()->count(); ++i) {
    EXPECT_FALSE(d.list()->item(i)->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(d.list()->item(i)->checkState(), Qt::Unchecked);
  }
  d.selectAllButton()->click();
  EXPECT_FALSE(d.generateButton()->isEnabled());
  d.list()->item(0)->setCheckState(Qt::Checked);  // a disabled entry stays unchecked
  EXPECT_EQ(d.list()->item(0)->checkState(), Qt::Unchecked);
  EXPECT_FALSE(d.generateButton()->isEnabled());
}

}  // namespace
}  // namespace murena
