#pragma once
// The grid of a table editor: a table view over a GridTableModel with the
// editing rules of the table editors.
//
// - An entry is committed when another cell is selected, when the grid loses
//   the focus, when Enter is pressed, and when the editor window asks for it
//   (deactivation, close, row commands).  A refused entry (the commit handler
//   shows the message) keeps the cell and its editor: the selection goes back
//   to it and it takes the focus again.
// - Enter moves to the next row, from the last row to the first row of the
//   next column, from the last column to the first row of the first column.
// - Choice columns show a drop-down list and sub-table columns a button in
//   each visible row (the controls of rows scrolled out of sight are
//   released); F4 opens the list of the current cell, Space presses its
//   button.  Arrow, page, Home, End and Enter keys on a list or button move
//   about the grid and the wheel scrolls it: neither picks another option.
// - Tab goes from cell to cell and, after the last cell, on to the window's
//   next control (Shift+Tab before the first cell back to the previous one).
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <set>

#include <QLineEdit>

namespace murena::ui {

class GridTableModel;

class GridView : public QTableView {
  Q_OBJECT
 public:
  // Stores an entry in (row, model column); false when refused.  `quiet`
  // asks for no message.
  using CommitHandler = std::function<bool(int row, int column, const QString& text, bool quiet)>;

  explicit GridView(GridTableModel* model, QWidget* parent = nullptr);

  GridTableModel* gridModel() const { return model_; }
  void setCommitHandler(CommitHandler handler) { commit_ = std::move(handler); }
  void setTopLeftText(const QString& text);
  // Rows the grid shows without scrolling.
  void setVisibleRows(int rows);

  // The open in-cell text editor, null when none.
  QLineEdit* cellEditor() const { return editor_; }
  // Commits and closes the cell editor; false when the entry was refused
  // (the cell keeps its editor and the focus).
  bool commitCellEditor();
  // Keeps a valid entry without a message, drops an invalid one, and closes
  // the cell editor (the window is closed by the program).
  void settleCellEditor();
  // A refused entry is still waiting to take the focus back.
  bool isRefusing() const { return refusing_; }

  void moveAfterEnter();
  // Creates the in-cell controls of the visible rows, releases the others.
  void updateInCellControls();
  // Column widths from the columns' display widths and their headers.
  void fitColumns();

  QSize sizeHint() const override;

 signals:
  // A choice list picked option `option` (1-based) in (row, model column).
  void optionChosen(int row, int column, int option);
  // A sub-table button was pressed.
  void subTableRequested(int row, int column);

 protected:
  void commitData(QWidget* editor) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool focusNextPrevChild(bool next) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reset() override;

 private:
  friend class GridCellDelegate;
  void editorCreated(QLineEdit* editor, const QModelIndex& index);
  void controlCreated(QWidget* control, const QModelIndex& index);
  // Navigation keys and the wheel on an in-cell control; true when taken.
  bool controlEvent(QEvent* event);
  // The current cell is the last (next) or first (previous) stop of Tab.
  bool atTabEnd(bool next) const;
  bool commitEditorText(bool quiet);
  void refuse();
  void closeCellEditor();

  GridTableModel* model_;
  CommitHandler commit_;
  QPointer<QLineEdit> editor_;
  QPersistentModelIndex editIndex_;
  QPointer<QWidget> corner_;
  QString topLeft_;
  std::set<int> controlRows_;
  int visibleRows_ = 10;
  bool committing_ = false;
  bool holdEditor_ = false;
  bool refusing_ = false;
  bool restoring_ = false;
};

}  // namespace murena::ui
