// Table editors on an example project: row buttons and their enabling, the
// cell rules and their messages, commits that keep the cell when refused,
// Enter navigation, choice lists that rebuild sub-tables, sub-table editors
// opened from their buttons and closed with their owner's.
#include "frontend/entry/ui/table_editors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QWheelEvent>
#include <utility>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QLineEdit>
#include <QPushButton>

#include "entry_fixture.h"
#include "frontend/entry/ui/grid_table_model.h"
#include "frontend/entry/ui/grid_view.h"
#include "frontend/entry/ui/table_form.h"
#include "tests/gui_support/table_typing.h"

namespace murena {
namespace {

using testing_support::EntryWindowTest;
using testing_support::typeInCell;
using ui::GridView;
using ui::TTableForm;

class TableEditorsTest : public EntryWindowTest {
 protected:
  TTableForm* open(GridTable& table) {
    host->showTableEditor(table);
    settle();
    return qobject_cast<TTableForm*>(host->tableEditors().editorOf(table));
  }
  static QPoint centreOf(GridView* grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
  }
  static GridCell current(GridView* grid) { return {grid->currentIndex().column(), grid->currentIndex().row()}; }
};

TEST_F(TableEditorsTest, RowButtonsFollowTheRowLimits) {
  // Soil parameters (2 to 2 rows): no row buttons.
  GridTable* clay = tables().NewSoil.subTable(col::kSoilParameters, 0);
  ASSERT_NE(clay, nullptr);
  TTableForm* parameters = open(*clay);
  ASSERT_NE(parameters, nullptr);
  EXPECT_FALSE(parameters->addRowButton()->isVisible());
  EXPECT_FALSE(parameters->deleteRowButton()->isVisible());

  // Wall stiffness (1 to 10): Delete off at 1 row, Add and Insert off at 10.
  TTableForm* sections = open(tables().PileSect);
  ASSERT_EQ(tables().PileSect.rowCount(), 1);
  EXPECT_TRUE(sections->addRowButton()->isVisible());
  EXPECT_EQ(sections->addRowButton()->text(), QStringLiteral("&Add Row"));
  EXPECT_EQ(sections->insertRowButton()->text(), QStringLiteral("&Insert Row"));
  EXPECT_EQ(sections->deleteRowButton()->text(), QStringLiteral("&Delete Row"));
  EXPECT_FALSE(sections->deleteRowButton()->isEnabled());
  tables().PileSect.clearModified();
  for (int i = 1; i < 10; ++i) clickOn(sections->addRowButton());
  EXPECT_EQ(tables().PileSect.rowCount(), 10);
  EXPECT_TRUE(tables().PileSect.isModified());
  EXPECT_FALSE(sections->addRowButton()->isEnabled());
  EXPECT_FALSE(sections->insertRowButton()->isEnabled());
  EXPECT_TRUE(sections->deleteRowButton()->isEnabled());
  EXPECT_EQ(sections->gridModel()->rowCount(), 10);
  for (int i = 1; i < 10; ++i) clickOn(sections->deleteRowButton());
  EXPECT_EQ(tables().PileSect.rowCount(), 1);
  EXPECT_FALSE(sections->deleteRowButton()->isEnabled());

  // Long-term distributed loads (no maximum): Add never turns off.
  TTableForm* longTerm = open(tables().LongDist);
  for (int i = 0; i < 120; ++i) clickOn(longTerm->addRowButton());
  EXPECT_EQ(tables().LongDist.rowCount(), 121);
  EXPECT_TRUE(longTerm->addRowButton()->isEnabled());
  EXPECT_TRUE(longTerm->insertRowButton()->isEnabled());
}

TEST_F(TableEditorsTest, InsertAndDeleteWorkOnTheCurrentRow) {
  TTableForm* form = open(tables().DistLoad);
  GridView* grid = form->grid();
  tables().DistLoad.setRowCount(3);
  for (int r = 0; r < 3; ++r) tables().DistLoad.setReal(col::kDistDepth, r, r + 1);
  form->refresh();
  grid->setCurrentIndex(grid->model()->index(1, 0));
  clickOn(form->insertRowButton());
  ASSERT_EQ(tables().DistLoad.rowCount(), 4);
  EXPECT_EQ(tables().DistLoad.real(col::kDistDepth, 1), 0);
  EXPECT_EQ(tables().DistLoad.real(col::kDistDepth, 2), 2);
  EXPECT_EQ(grid->currentIndex().row(), 1);
  grid->setCurrentIndex(grid->model()->index(3, 1));
  clickOn(form->deleteRowButton());
  ASSERT_EQ(tables().DistLoad.rowCount(), 3);
  EXPECT_EQ(tables().DistLoad.real(col::kDistDepth, 2), 2);
}

TEST_F(TableEditorsTest, IntegerCellRules) {
  TTableForm* form = open(tables().MEICurves2);
  GridView* grid = form->grid();
  const struct {
    const char* typed;
    const char* message;
    int stored;
  } cases[] = {
      {"3.0000000001", "", 3},
      {"3.5", "Entry must be an integer.", 3},
      {"0", "", 0},
      {"1001", "Entry must be between 0 and 1000.", 0},
      {"2*500", "", 1000},
  };
  for (const auto& c : cases) {
    prompts.clear();
    typeInCell(grid, 0, 0, QString::fromLatin1(c.typed));
    const QStringList shown = messages();
    if (*c.message == 0) {
      EXPECT_TRUE(shown.isEmpty()) << c.typed;
      EXPECT_EQ(grid->cellEditor(), nullptr) << c.typed;
    } else {
      EXPECT_EQ(shown, QStringList{QString::fromLatin1(c.message)}) << c.typed;
      // Refused: the editor stays with the entry.
      ASSERT_NE(grid->cellEditor(), nullptr);
      EXPECT_EQ(grid->cellEditor()->text(), QString::fromLatin1(c.typed));
      QTest::keyClick(grid->cellEditor(), Qt::Key_Escape);
      settle();
    }
    EXPECT_EQ(tables().MEICurves2.integer(col::kEIFrom, 0), c.stored) << c.typed;
  }
}

TEST_F(TableEditorsTest, BlankRealCellIsRefusedAndKeepsTheCell) {
  TTableForm* form = open(tables().DistLoad);
  GridView* grid = form->grid();
  typeInCell(grid, 0, 1, QString(), Qt::Key_unknown);
  grid->cellEditor()->clear();
  // Clicking another cell commits: refused, the selection stays.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(grid, 1, 0));
  settle();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Entry cannot be blank.")});
  EXPECT_EQ(current(grid), (GridCell{1, 0}));
  ASSERT_NE(grid->cellEditor(), nullptr);
  EXPECT_EQ(QApplication::focusWidget(), grid->cellEditor());

  // A valid entry then goes in when another cell is clicked.
  QTest::keyClicks(grid->cellEditor(), QStringLiteral("12*3"));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(grid, 1, 0));
  settle();
  EXPECT_EQ(tables().DistLoad.real(col::kDistLoad, 0), 36);
  EXPECT_EQ(current(grid), (GridCell{0, 1}));
  EXPECT_EQ(messages().size(), 1);
  EXPECT_EQ(grid->model()->index(0, 1).data().toString(), QStringLiteral("36"));
}

TEST_F(TableEditorsTest, RefusedEntryKeepsTheEditorOpenOnCloseAndDeactivation) {
  TTableForm* form = open(tables().DistLoad);
  typeInCell(form->grid(), 0, 0, QStringLiteral("2*"), Qt::Key_unknown);
  EXPECT_FALSE(frameOf(form)->close());
  ASSERT_EQ(messages().size(), 1);
  EXPECT_EQ(messages().front(), QStringLiteral("2* is not a valid number."));
  settle();
  ASSERT_EQ(host->tableEditors().editorOf(tables().DistLoad), form);
  EXPECT_TRUE(tables().DistLoad.editorOpen());

  // Another window takes the activation: the same refusal brings it back.
  TTableForm* other = open(tables().PileSect);
  ASSERT_NE(other, nullptr);
  settle();
  EXPECT_EQ(messages().size(), 2);
  EXPECT_EQ(host->activeSubWindow(), frameOf(form));
  EXPECT_FALSE(host->tableEditors().commitAll());
  settle();

  QTest::keyClick(form->grid()->cellEditor(), Qt::Key_Backspace);
  EXPECT_TRUE(host->tableEditors().commitAll());
  EXPECT_EQ(tables().DistLoad.real(col::kDistDepth, 0), 2);
  EXPECT_TRUE(frameOf(form)->close());
  settle();
  EXPECT_EQ(host->tableEditors().editorOf(tables().DistLoad), nullptr);
  EXPECT_FALSE(tables().DistLoad.editorOpen());
}

TEST_F(TableEditorsTest, EnterMovesDownThenToTheNextColumn) {
  TTableForm* form = open(tables().DistLoad);
  GridView* grid = form->grid();
  ASSERT_EQ(tables().DistLoad.rowCount(), 2);
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(0, 0));
  const GridCell expected[] = {{0, 1}, {1, 0}, {1, 1}, {0, 0}};
  for (const GridCell& cell : expected) {
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(current(grid), cell);
  }
  // Enter that ends an entry moves the same way.
  typeInCell(grid, 1, 0, QStringLiteral("7.5"));
  EXPECT_EQ(tables().DistLoad.real(col::kDistDepth, 1), 7.5);
  EXPECT_EQ(current(grid), (GridCell{1, 0}));
  typeInCell(grid, 0, 1, QStringLiteral("100"));
  EXPECT_EQ(current(grid), (GridCell{1, 1}));
}

TEST_F(TableEditorsTest, ChangingASoilTypeRebuildsItsParameterTable) {
  TTableForm* layers = open(tables().NewSoil);
  GridView* grid = layers->grid();
  GridTable* clay = tables().NewSoil.subTable(col::kSoilParameters, 0);
  ASSERT_NE(clay, nullptr);
  EXPECT_NE(clay->real(0, 0), 0);  // the example's unit weight
  TTableForm* clayEditor = open(*clay);
  ASSERT_NE(clayEditor, nullptr);
  EXPECT_EQ(clayEditor->windowTitle(), QStringLiteral("Clay 1"));

  auto* list = qobject_cast<QComboBox*>(grid->indexWidget(grid->model()->index(0, col::kSoilType)));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->currentText(), QStringLiteral("Soft Clay"));
  EXPECT_EQ(list->count(), 7);
  EXPECT_EQ(list->maxVisibleItems(), 11);
  list->setCurrentIndex(3);
  emit list->activated(3);  // the user picks "Sand"
  settle();
  EXPECT_EQ(tables().NewSoil.integer(col::kSoilType, 0), 4);
  GridTable* sand = tables().NewSoil.subTable(col::kSoilParameters, 0);
  ASSERT_NE(sand, nullptr);
  EXPECT_EQ(sand->caption(), "Sand");
  EXPECT_EQ(sand->real(0, 0), 0);  // the clay parameters are gone
  // The clay table's editor went with its table.
  EXPECT_EQ(host->tableEditors().editorOf(*sand), nullptr);
  EXPECT_EQ(host->subWindowList().size(), 1);
  auto* button = qobject_cast<QPushButton*>(grid->indexWidget(grid->model()->index(0, col::kSoilParameters)));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("1: Sand"));
  EXPECT_TRUE(tables().NewSoil.isModified());
}

TEST_F(TableEditorsTest, KeysAndTheWheelOnAListMoveAboutTheGridWithoutChangingTheOption) {
  TTableForm* layers = open(tables().NewSoil);
  GridView* grid = layers->grid();
  // The editor opens on the first cell, whose list shows the focus.
  EXPECT_EQ(current(grid), (GridCell{col::kSoilType, 0}));
  EXPECT_EQ(QApplication::focusWidget(), grid->indexWidget(grid->model()->index(0, col::kSoilType)));
  GridTable* clay = tables().NewSoil.subTable(col::kSoilParameters, 0);
  const auto options = [this] {
    return std::pair{tables().NewSoil.integer(col::kSoilType, 0), tables().NewSoil.integer(col::kSoilType, 1)};
  };
  const auto before = options();
  const auto press = [](Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    settle();
  };
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(0, col::kSoilDepth));
  press(Qt::Key_Left);
  EXPECT_EQ(current(grid), (GridCell{col::kSoilType, 0}));
  auto* list = qobject_cast<QComboBox*>(grid->indexWidget(grid->model()->index(0, col::kSoilType)));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), list);  // the current cell's list shows the focus

  // Arrow, page, Home and End keys move the current cell; the lists keep
  // their options, so no parameter table is replaced.
  const struct {
    Qt::Key key;
    GridCell to;
  } moves[] = {{Qt::Key_Down, {col::kSoilType, 1}}, {Qt::Key_Up, {col::kSoilType, 0}},
               {Qt::Key_PageDown, {col::kSoilType, 1}}, {Qt::Key_PageUp, {col::kSoilType, 0}},
               {Qt::Key_End, {col::kSoilParameters, 0}}, {Qt::Key_Home, {col::kSoilType, 0}},
               {Qt::Key_Return, {col::kSoilType, 1}}};
  for (const auto& move : moves) {
    press(move.key);
    EXPECT_EQ(current(grid), move.to) << QTest::toString(move.key);
    EXPECT_EQ(options(), before) << QTest::toString(move.key);
  }
  EXPECT_EQ(tables().NewSoil.subTable(col::kSoilParameters, 0), clay);

  // The wheel over a list scrolls the grid.
  QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &wheel);
  settle();
  EXPECT_EQ(options(), before);
  EXPECT_EQ(tables().NewSoil.subTable(col::kSoilParameters, 0), clay);

  // F4 still opens the list of the current cell.
  grid->setCurrentIndex(grid->model()->index(0, col::kSoilType));
  settle();
  press(Qt::Key_F4);
  EXPECT_TRUE(list->view()->isVisible());
  list->hidePopup();
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(TableEditorsTest, TabGoesFromCellToCellAndThenOnToTheRowButtons) {
  TTableForm* form = open(tables().PileSect);
  GridView* grid = form->grid();
  ASSERT_EQ(grid->model()->columnCount(), 4);
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(0, 0));
  const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    settle();
  };
  for (int column = 1; column < 4; ++column) {
    press(Qt::Key_Tab);
    EXPECT_EQ(current(grid), (GridCell{column, 0}));
  }
  press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form->addRowButton());
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), grid);
  EXPECT_EQ(current(grid), (GridCell{3, 0}));
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(current(grid), (GridCell{2, 0}));  // through the list of the choice column

  // An entry ended with Tab in the last cell is kept and the focus moves on.
  typeInCell(grid, 0, 3, QStringLiteral("5E9"), Qt::Key_Tab);
  EXPECT_EQ(tables().PileSect.real(col::kSectEI, 0), 5e9);
  EXPECT_EQ(grid->cellEditor(), nullptr);
  EXPECT_EQ(QApplication::focusWidget(), form->addRowButton());
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(TableEditorsTest, SubTableEditorsOpenFromTheirButtonsAndCloseWithTheirOwner) {
  TTableForm* layers = open(tables().NewSoil);
  GridView* grid = layers->grid();
  auto* button = qobject_cast<QPushButton*>(grid->indexWidget(grid->model()->index(1, col::kSoilParameters)));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("2: Clay"));
  clickOn(button);
  GridTable* clay = tables().NewSoil.subTable(col::kSoilParameters, 1);
  auto* parameters = qobject_cast<TTableForm*>(host->tableEditors().editorOf(*clay));
  ASSERT_NE(parameters, nullptr);
  EXPECT_EQ(parameters->windowTitle(), QStringLiteral("Clay 2"));
  EXPECT_EQ(current(grid), (GridCell{col::kSoilParameters, 1}));
  EXPECT_TRUE(clay->editorOpen());
  EXPECT_EQ(parameters->grid()->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("Total\nUnit Weight (lbs/ft^3)"));

  // Space on a button cell opens the same editor (brought to the front).
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Space);
  settle();
  EXPECT_EQ(host->tableEditors().editorOf(*clay), parameters);
  EXPECT_EQ(host->subWindowList().size(), 2);

  ASSERT_TRUE(frameOf(layers)->close());
  settle();
  EXPECT_EQ(host->tableEditors().editorOf(*clay), nullptr);
  EXPECT_FALSE(clay->editorOpen());
  EXPECT_FALSE(tables().NewSoil.editorOpen());
  EXPECT_TRUE(host->subWindowList().isEmpty());
}

TEST_F(TableEditorsTest, DeletingARowClosesItsSubTablesEditor) {
  TTableForm* layers = open(tables().NewSoil);
  GridTable* second = tables().NewSoil.subTable(col::kSoilParameters, 1);
  open(*second);
  host->showTableEditor(tables().NewSoil);
  settle();
  layers->grid()->setCurrentIndex(layers->grid()->model()->index(1, 1));
  clickOn(layers->deleteRowButton());
  EXPECT_EQ(tables().NewSoil.rowCount(), 1);
  EXPECT_EQ(host->subWindowList().size(), 1);
}

TEST_F(TableEditorsTest, SubTableCaptionsFollowRowsInsertedAndDeletedAbove) {
  TTableForm* layers = open(tables().NewSoil);
  GridTable* second = tables().NewSoil.subTable(col::kSoilParameters, 1);
  TTableForm* clay = open(*second);
  ASSERT_NE(clay, nullptr);
  EXPECT_EQ(clay->windowTitle(), QStringLiteral("Clay 2"));

  host->showTableEditor(tables().NewSoil);
  settle();
  layers->grid()->setCurrentIndex(layers->grid()->model()->index(0, col::kSoilDepth));
  clickOn(layers->insertRowButton());
  ASSERT_EQ(tables().NewSoil.subTable(col::kSoilParameters, 2), second);
  EXPECT_EQ(clay->windowTitle(), QStringLiteral("Clay 3"));
  EXPECT_EQ(frameOf(clay)->windowTitle(), QStringLiteral("Clay 3"));

  layers->grid()->setCurrentIndex(layers->grid()->model()->index(0, col::kSoilDepth));
  clickOn(layers->deleteRowButton());
  EXPECT_EQ(clay->windowTitle(), QStringLiteral("Clay 2"));
}

TEST_F(TableEditorsTest, ATallerWindowShowsMoreRowsEachWithItsControls) {
  tables().BoundCond.setRowCount(300);
  TTableForm* form = open(tables().BoundCond);
  GridView* grid = form->grid();
  const int rowHeight = grid->verticalHeader()->defaultSectionSize();
  QMdiSubWindow* frame = frameOf(form);
  frame->resize(frame->width(), frame->height() + 25 * rowHeight);
  settle();
  // The grid takes the height: about 35 rows in sight instead of 10.
  const int first = grid->rowAt(0), last = grid->rowAt(grid->viewport()->height() - 1);
  EXPECT_GE(last - first + 1, 33);
  for (int r = first; r <= last; ++r)
    EXPECT_NE(grid->indexWidget(grid->model()->index(r, col::kLoadMode)), nullptr) << r;
  EXPECT_LT(form->height() - grid->geometry().bottom(), 4 * rowHeight);
  grid->scrollToBottom();
  settle();
  EXPECT_EQ(grid->rowAt(grid->viewport()->height() - 1), 299);
  EXPECT_NE(grid->indexWidget(grid->model()->index(299, col::kLoadMode)), nullptr);
}

TEST_F(TableEditorsTest, ExplanatoryTextsAndHelpPictures) {
  TTableForm* sections = open(tables().PileSect);
  auto* comments = sections->findChild<QLabel*>(QStringLiteral("Comments"));
  ASSERT_NE(comments, nullptr);
  EXPECT_TRUE(comments->text().startsWith(QStringLiteral("The nodal number at the top of the wall is set to be 0.\n")));
  EXPECT_EQ(sections->findChild<QWidget*>(QStringLiteral("HelpPicture")), nullptr);
  TTableForm* loads = open(tables().DistLoad);
  EXPECT_NE(loads->findChild<QWidget*>(QStringLiteral("HelpPicture")), nullptr);
  EXPECT_EQ(loads->findChild<QLabel*>(QStringLiteral("Comments")), nullptr);
}

TEST_F(TableEditorsTest, AtMostTenRowsInSightOfALongTable) {
  tables().LongDist.setRowCount(300);
  TTableForm* form = open(tables().LongDist);
  GridView* grid = form->grid();
  const int rowHeight = grid->verticalHeader()->defaultSectionSize();
  EXPECT_LE(grid->viewport()->height(), 10 * rowHeight + 2);
  EXPECT_GE(grid->viewport()->height(), 10 * rowHeight - 2);
  EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
  grid->scrollToBottom();
  settle();
  EXPECT_EQ(grid->rowAt(grid->viewport()->height() - 1), 299);
}

}  // namespace
}  // namespace murena
