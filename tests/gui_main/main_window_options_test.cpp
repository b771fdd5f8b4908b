// The Options menu with child windows open: switches that a dialog also
// shows, the staged-construction dialog from the keyboard, and its OK
// without a new count.
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/table_editors.h"
#include "frontend/project/command_state.h"
#include "frontend/project/ui/staged_dialog.h"
#include "tests/gui_main/main_window_fixture.h"

namespace murena::testing_support {
namespace {

using C = Command;

// The concentrated-loads and springs dialogs carry a box for their switch.
TEST_F(MainWindowTest, SwitchTurnedOffInTheMenuStaysOffWhileItsDialogIsOpen) {
  struct Case {
    C option, dataItem;
    DataDialog dialog;
    bool TProgramData::*flag;
    GridTable* (*table)(TProject&);
  };
  const Case cases[] = {
      {C::OptConcentratedLoads, C::DataConcentratedLoads, DataDialog::ConcentratedLoads,
       &TProgramData::ApplyConcentratedLoads, [](TProject& p) { return &p.tables().BoundCond; }},
      {C::OptSprings, C::DataSprings, DataDialog::Springs, &TProgramData::ApplySprings,
       [](TProject& p) { return &p.tables().SoilStrength; }},
  };
  MainWindow& w = open();
  openWithDialog(example("cantilever_sand_english"));
  for (const Case& c : cases) {
    SCOPED_TRACE(DataDialogs::caption(c.dialog).toStdString());
    TProgramData& d = w.project().data();
    trigger(c.option);
    ASSERT_TRUE(d.*c.flag);
    trigger(c.dataItem);
    QWidget* dialog = w.dataDialogs().dialog(c.dialog);
    ASSERT_NE(dialog, nullptr);
    auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("OptionBox"));
    ASSERT_NE(box, nullptr);
    dialog->findChild<QPushButton*>(QStringLiteral("TableButton"))->click();
    GridTable& table = *c.table(w.project());
    ASSERT_NE(w.tableEditors().editorOf(table), nullptr);

    // Off in the Options menu: the editor goes and the dialog shows it off.
    trigger(c.option);
    EXPECT_FALSE(d.*c.flag);
    EXPECT_EQ(w.tableEditors().editorOf(table), nullptr);
    EXPECT_FALSE(box->isChecked());
    // The dialog loses the focus and writes back: the switch stays off.
    trigger(C::DataTitle);
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.*c.flag);

    // On again from the menu, then unticked in the dialog without leaving
    // it: the menu, still showing it on, turns it off as the user meant.
    trigger(c.option);
    EXPECT_TRUE(box->isChecked());
    w.dataDialogs().show(c.dialog);
    box->click();
    trigger(c.option);
    EXPECT_FALSE(d.*c.flag);
    EXPECT_FALSE(box->isChecked());
    w.mdiArea()->closeAllSubWindows();
  }
}

TEST_F(MainWindowTest, StagedDialogFromTheKeyboard) {
  MainWindow& w = open();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TDlgStaged*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QApplication::setActiveWindow(dialog);
    EXPECT_FALSE(dialog->countField()->isEnabled());
    QTest::keyClick(dialog, Qt::Key_S, Qt::AltModifier);  // "Conduct &Staged-Construction Analysis"
    QTRY_VERIFY(dialog->stagedBox()->isChecked());
    EXPECT_EQ(dialog->countField()->value(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog->countField());
    for (int i = 0; i < 5; ++i) QTest::keyClick(dialog->countField(), Qt::Key_Up);
    EXPECT_EQ(dialog->countField()->value(), 5) << "up to five";
    for (int i = 0; i < 5; ++i) QTest::keyClick(dialog->countField(), Qt::Key_Down);
    EXPECT_EQ(dialog->countField()->value(), 2) << "down to two";
    QTest::keyClick(dialog->countField(), Qt::Key_Up);
    QTest::keyClick(dialog->countField(), Qt::Key_Return);
  });
  files = {(folder.path() / "keyboard.mr5d").string()};
  trigger(C::FileSaveAs);
  trigger(C::OptStaged);
  EXPECT_EQ(w.project().data().StageCount, 3);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "keyboard.st3"));
}

TEST_F(MainWindowTest, StagedDialogShowsItsWholeTextAtALargeFont) {
  const QFont normal = QApplication::font();
  for (double scale : {1.0, 1.6, 2.2}) {
    SCOPED_TRACE(scale);
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * scale);
    QApplication::setFont(large);
    TDlgStaged dialog(1);
    dialog.show();
    QCoreApplication::processEvents();
    bool shown = false;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      shown = shown || label->text() == TDlgStaged::explanation();
      EXPECT_GE(label->height(), label->sizeHint().height()) << label->text().left(40).toStdString();
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().left(40).toStdString();
    }
    for (QAbstractScrollArea* area : dialog.findChildren<QAbstractScrollArea*>()) {
      shown = true;
      EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << "the text needs no scrolling";
    }
    EXPECT_TRUE(shown);
  }
  QApplication::setFont(normal);
}

// Answers the staged-construction dialog with OK, ticked with `stages`.
void acceptStagedDialog(int stages) {
  QTimer::singleShot(0, [stages] {
    auto* dialog = qobject_cast<TDlgStaged*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->countField()->setValue(stages);
    dialog->accept();
  });
}

TEST_F(MainWindowTest, StagedDialogOkWithTheSameCountKeepsTheTableEditors) {
  MainWindow& w = open();
  openWithDialog(example("staged_anchored_sand_clay_rock_english"));
  ASSERT_EQ(w.project().data().StageCount, 3);
  trigger(C::DataSoilLayers);
  ASSERT_NE(w.tableEditors().editorOf(w.project().tables().NewSoil), nullptr);
  acceptStagedDialog(3);
  trigger(C::OptStaged);
  EXPECT_NE(w.tableEditors().editorOf(w.project().tables().NewSoil), nullptr);
  // A new count rebuilds the rows: the editors close.
  acceptStagedDialog(2);
  trigger(C::OptStaged);
  EXPECT_EQ(w.project().data().StageCount, 2);
  EXPECT_EQ(w.tableEditors().editorOf(w.project().tables().NewSoil), nullptr);
}

}  // namespace
}  // namespace murena::testing_support
