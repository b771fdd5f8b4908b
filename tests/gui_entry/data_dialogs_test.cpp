// The data dialogs on an example project: display conversions and
// write-back, the range messages that keep the focus, the check boxes that
// switch options and close their tables' editors, a unit switch with dialogs
// open, the title and the text editor setting.
#include "frontend/entry/ui/data_dialogs.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "entry_fixture.h"
#include "frontend/entry/ui/data_edit.h"
#include "frontend/entry/ui/table_editors.h"

namespace murena {
namespace {

using testing_support::EntryWindowTest;
using ui::TDataEdit;

class DataDialogsTest : public EntryWindowTest {
 protected:
  QWidget* open(DataDialog which) {
    host->dataDialogs().show(which);
    settle();
    return host->dataDialogs().dialog(which);
  }
  TDataEdit* field(DataDialog which, const char* name) {
    QWidget* dialog = open(which);
    return dialog == nullptr ? nullptr : dialog->findChild<TDataEdit*>(QString::fromLatin1(name));
  }
  // Replaces a field's text as typed by the user.
  static void type(QLineEdit* edit, const QString& text) {
    clickOn(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
};

TEST_F(DataDialogsTest, EachDialogIsCreatedOnceAndDestroyedOnClose) {
  for (DataDialog which : {DataDialog::Title, DataDialog::WallProperties, DataDialog::WallConfiguration,
                           DataDialog::ConcentratedLoads, DataDialog::Springs, DataDialog::Tieback,
                           DataDialog::Surcharge, DataDialog::ControlOptions}) {
    QWidget* first = open(which);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), DataDialogs::caption(which));
    EXPECT_EQ(open(which), first);
    EXPECT_TRUE(frameOf(first)->close());
    settle();
    EXPECT_EQ(host->dataDialogs().dialog(which), nullptr);
  }
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(DataDialogsTest, EnglishFieldsShowFeetAndPoundsPerSquareFoot) {
  project().data().FreeHeight = 180;
  project().data().SurfaceSurcharge = 0.5;
  project().clearModified();
  TDataEdit* height = field(DataDialog::WallConfiguration, "FreeHeight");
  TDataEdit* surcharge = field(DataDialog::WallConfiguration, "SurfaceSurcharge");
  ASSERT_TRUE(height && surcharge);
  EXPECT_EQ(height->text(), QStringLiteral("15"));
  EXPECT_EQ(height->editLabel()->text(), QStringLiteral("&Free Height of Wall, H (ft)"));
  EXPECT_EQ(surcharge->text(), QStringLiteral("72"));
  EXPECT_EQ(surcharge->editLabel()->text(),
            QStringLiteral("Uniform Distributed Load at the top of backfill side  (lbs/ft^2)"));

  type(height, QStringLiteral("20"));
  type(surcharge, QStringLiteral("144"));
  // Another window takes the activation: the dialog writes back.
  TDataEdit* increments = field(DataDialog::WallProperties, "Increments");
  clickOn(increments);
  EXPECT_DOUBLE_EQ(project().data().FreeHeight, 240);
  EXPECT_DOUBLE_EQ(project().data().SurfaceSurcharge, 1);
  EXPECT_TRUE(project().isModified());
  // The other dialog shows the same free height in feet.
  EXPECT_EQ(host->dataDialogs().dialog(DataDialog::WallProperties)->findChild<TDataEdit*>("FreeHeight")->text(),
            QStringLiteral("20"));
  EXPECT_TRUE(messages().isEmpty());

  // The data file carries the held value: 1 (lbs/in^2) as the uniform load.
  project().save();
  std::ifstream file(project().data().FileName);
  std::string line;
  bool found = false;
  while (std::getline(file, line)) found = found || line.rfind("1\t0\t0\t0\t0\t0", 0) == 0;
  EXPECT_TRUE(found);
}

TEST_F(DataDialogsTest, LookingAtADialogChangesNothing) {
  project().data().FreeHeight = 100;  // 8.333... ft
  project().clearModified();
  open(DataDialog::WallConfiguration);
  open(DataDialog::WallProperties);
  ASSERT_TRUE(frameOf(host->dataDialogs().dialog(DataDialog::WallConfiguration))->close());
  ASSERT_TRUE(frameOf(host->dataDialogs().dialog(DataDialog::WallProperties))->close());
  EXPECT_EQ(project().data().FreeHeight, 100);
  EXPECT_FALSE(project().isModified());
}

TEST_F(DataDialogsTest, SIValuesAreShownAsHeld) {
  project().setUnitSystem(2);
  TDataEdit* height = field(DataDialog::WallConfiguration, "FreeHeight");
  ASSERT_NE(height, nullptr);
  EXPECT_EQ(height->editLabel()->text(), QStringLiteral("&Free Height of Wall, H (m)"));
  type(height, QStringLiteral("6"));
  ASSERT_TRUE(host->dataDialogs().commitAll());
  EXPECT_DOUBLE_EQ(project().data().FreeHeight, 6);
}

TEST_F(DataDialogsTest, NodesBeyond300AreRefusedAndTheDialogKeepsTheFocus) {
  const int nodes = project().data().NodeCount;
  QWidget* title = open(DataDialog::Title);
  TDataEdit* increments = field(DataDialog::WallProperties, "Increments");
  ASSERT_TRUE(title && increments);
  type(increments, QStringLiteral("301"));
  clickOn(title->findChild<QLineEdit*>(QStringLiteral("Title")));
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Entry must be less than or equal to 300")});
  EXPECT_EQ(increments->text(), QStringLiteral("300"));
  EXPECT_EQ(QApplication::focusWidget(), increments);
  EXPECT_EQ(host->activeSubWindow(), frameOf(increments));
  EXPECT_EQ(project().data().NodeCount, nodes);  // nothing written while refused
  // 300 is a valid entry: leaving again writes it.
  clickOn(title->findChild<QLineEdit*>(QStringLiteral("Title")));
  EXPECT_EQ(messages().size(), 1);
  EXPECT_EQ(project().data().NodeCount, 300);
}

TEST_F(DataDialogsTest, BetaOf50IsSetTo45) {
  TDataEdit* beta = field(DataDialog::WallConfiguration, "BackfillSlope");
  ASSERT_NE(beta, nullptr);
  type(beta, QStringLiteral("50"));
  QTest::keyClick(beta, Qt::Key_Return);
  settle();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Entry must be less than or equal to 45")});
  EXPECT_EQ(beta->text(), QStringLiteral("45"));
  ASSERT_TRUE(host->dataDialogs().commitAll());
  EXPECT_DOUBLE_EQ(project().data().BackfillSlope, 45);
}

TEST_F(DataDialogsTest, CloseIsRefusedWhileTheFocusedFieldIsInvalid) {
  TDataEdit* length = field(DataDialog::WallProperties, "IncrementLength");
  ASSERT_NE(length, nullptr);
  type(length, QStringLiteral("12*"));
  EXPECT_FALSE(frameOf(length)->close());
  ASSERT_EQ(messages().size(), 1);
  EXPECT_TRUE(messages().front().startsWith(QStringLiteral("Entry could not be evaluated:")));
  settle();
  EXPECT_NE(host->dataDialogs().dialog(DataDialog::WallProperties), nullptr);
  EXPECT_FALSE(host->dataDialogs().commitAll());
  type(length, QStringLiteral("6"));
  EXPECT_TRUE(frameOf(length)->close());
  EXPECT_DOUBLE_EQ(project().data().IncrementLength, 6);
}

TEST_F(DataDialogsTest, UnitSwitchRelabelsAndConvertsOpenDialogsAndEditors) {
  project().data().FreeHeight = 180;  // 15 ft
  TDataEdit* height = field(DataDialog::WallConfiguration, "FreeHeight");
  TDataEdit* width = field(DataDialog::WallConfiguration, "ActiveWidth");
  host->showTableEditor(tables().NewSoil);
  ASSERT_TRUE(height && width);
  EXPECT_EQ(width->editLabel()->text(), QStringLiteral("&Width for Active Earth Press. Calculation, Wa (in)"));

  project().setUnitSystem(2);
  host->dataDialogs().reactivateAll();
  host->tableEditors().refreshAll();
  EXPECT_EQ(height->editLabel()->text(), QStringLiteral("&Free Height of Wall, H (m)"));
  EXPECT_EQ(width->editLabel()->text(), QStringLiteral("&Width for Active Earth Press. Calculation, Wa (m)"));
  EXPECT_NEAR(height->number(), 180 * 0.0254, 1e-9);
  EXPECT_NEAR(width->number(), 48 * 0.0254, 1e-9);
  auto* editor = host->tableEditors().editorOf(tables().NewSoil);
  ASSERT_NE(editor, nullptr);
  auto* grid = editor->findChild<QAbstractItemView*>(QStringLiteral("Grid"));
  EXPECT_TRUE(grid->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString().endsWith(QStringLiteral("(m)")));
}

TEST_F(DataDialogsTest, UntickingConcentratedLoadsClosesTheirEditor) {
  project().data().ApplyConcentratedLoads = true;
  QWidget* dialog = open(DataDialog::ConcentratedLoads);
  auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("OptionBox"));
  auto* edit = dialog->findChild<QPushButton*>(QStringLiteral("TableButton"));
  ASSERT_TRUE(box && edit);
  EXPECT_EQ(box->text(), QStringLiteral("Apply &Concentrated Loads"));
  EXPECT_TRUE(box->isChecked());
  clickOn(edit);
  ASSERT_NE(host->tableEditors().editorOf(tables().BoundCond), nullptr);
  EXPECT_TRUE(tables().BoundCond.editorOpen());
  const int rows = tables().BoundCond.rowCount();

  host->dataDialogs().show(DataDialog::ConcentratedLoads);
  settle();
  clickOn(box);
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_EQ(host->tableEditors().editorOf(tables().BoundCond), nullptr);
  EXPECT_FALSE(tables().BoundCond.editorOpen());
  EXPECT_EQ(tables().BoundCond.rowCount(), rows);
  ASSERT_TRUE(host->dataDialogs().commitAll());
  EXPECT_FALSE(project().data().ApplyConcentratedLoads);
}

TEST_F(DataDialogsTest, ButtonsOpenTheirTables) {
  const struct {
    DataDialog which;
    const char* button;
    GridTable* table;
  } cases[] = {
      {DataDialog::WallProperties, "EnterSectionData", &tables().PileSect},
      {DataDialog::Tieback, "TableButton", &tables().TiebackTable1},
      {DataDialog::Surcharge, "TableButton", &tables().SurchargeTable},
  };
  for (const auto& c : cases) {
    QWidget* dialog = open(c.which);
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(c.button));
    ASSERT_NE(button, nullptr);
    clickOn(button);
    QWidget* editor = host->tableEditors().editorOf(*c.table);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QString::fromStdString(c.table->caption()));
  }
}

TEST_F(DataDialogsTest, TitleIsOneLineOfAtMost80Characters) {
  QWidget* dialog = open(DataDialog::Title);
  auto* title = dialog->findChild<QLineEdit*>(QStringLiteral("Title"));
  ASSERT_NE(title, nullptr);
  // The example's title is longer than the field: shown cut, kept whole.
  const std::string whole = project().data().Title;
  ASSERT_GT(whole.size(), 80u);
  EXPECT_EQ(title->text(), QString::fromStdString(whole.substr(0, 80)));
  // The field shows the title from its start, all of it.
  EXPECT_EQ(title->cursorPosition(), 0);
  EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), title->contentsRect().width() - 8);
  project().clearModified();
  ASSERT_TRUE(host->dataDialogs().commitAll());
  EXPECT_EQ(project().data().Title, whole);
  EXPECT_FALSE(project().isModified());
  type(title, QString(100, QLatin1Char('x')));
  EXPECT_EQ(title->text().size(), 80);
  ASSERT_TRUE(host->dataDialogs().commitAll());
  EXPECT_EQ(project().data().Title, std::string(80, 'x'));
  EXPECT_TRUE(project().isModified());
}

TEST_F(DataDialogsTest, TextEditorIsAnyExecutableFile) {
  QWidget* dialog = open(DataDialog::ControlOptions);
  auto* path = dialog->findChild<QLineEdit*>(QStringLiteral("TextEditor"));
  auto* browse = dialog->findChild<QPushButton*>(QStringLiteral("Browse"));
  ASSERT_TRUE(path && browse);
  EXPECT_EQ(browse->text(), QStringLiteral("&Browse..."));

  const std::filesystem::path editor = example_.folder() / "my editor";
  { std::ofstream(editor) << "#!/bin/sh\n"; }
  std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
  nextFile = ui::FileChoice{QString::fromStdString(editor.string()), 1};
  clickOn(browse);
  EXPECT_EQ(path->text(), QString::fromStdString(editor.string()));
  EXPECT_EQ(host->textEditorPath(), QString::fromStdString(editor.string()));

  // A file that is not a program is refused.
  nextFile = ui::FileChoice{QString::fromStdString(example_.dataFile()), 1};
  clickOn(browse);
  ASSERT_EQ(messages().size(), 1);
  EXPECT_EQ(path->text(), QString::fromStdString(editor.string()));

  type(path, QStringLiteral("/usr/bin/nano"));
  ASSERT_TRUE(host->dataDialogs().commitAll());
  EXPECT_EQ(host->textEditorPath(), QStringLiteral("/usr/bin/nano"));
}

}  // namespace
}  // namespace murena
