#pragma once
// Typing into a table editor's cell as the user does: the cell is made
// current and opened as with F2, the entry typed over the old text and ended
// with a key (Return by default).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "frontend/entry/ui/grid_view.h"

namespace murena::testing_support {

inline void typeInCell(ui::GridView* grid, int row, int column, const QString& text, Qt::Key end = Qt::Key_Return) {
  const QModelIndex cell = grid->model()->index(row, column);
  grid->setCurrentIndex(cell);
  grid->edit(cell);
  QLineEdit* editor = grid->cellEditor();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  if (end != Qt::Key_unknown) QTest::keyClick(editor, end);
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace murena::testing_support
