#include "frontend/entry/ui/grid_view.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "frontend/entry/grid_table.h"
#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/grid_table_model.h"

namespace murena::ui {

namespace {

constexpr int kVisibleOptions = 11;
const char* const kCellRow = "gridRow";
const char* const kCellColumn = "gridColumn";

QModelIndex cellOf(const GridTableModel* model, const QObject* control) {
  const QVariant row = control->property(kCellRow), column = control->property(kCellColumn);
  if (!row.isValid() || !column.isValid()) return {};
  return model->index(row.toInt(), column.toInt());
}

}  // namespace

// Editors of the cells: a line edit for numbers and texts, a drop-down list
// for choices, a button for sub-tables.  Entries are committed by the grid,
// not through the model.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  explicit GridCellDelegate(GridView* view) : QStyledItemDelegate(view), view_(view) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    GridTableModel* model = view_->gridModel();
    GridTable* table = model->table();
    const int column = model->tableColumn(index.column());
    if (table == nullptr || column < 0) return nullptr;
    switch (model->kindOf(index.column())) {
      case ColumnKind::Enum: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        combo->setMaxVisibleItems(kVisibleOptions);
        if (const auto* choice = dynamic_cast<const TEnumColumn*>(&table->column(column)))
          for (const std::string& text : choice->options()) combo->addItem(QString::fromStdString(text));
        view_->controlCreated(combo, index);
        QObject::connect(combo, &QComboBox::activated, view_, [view = view_, combo](int chosen) {
          const QModelIndex cell = cellOf(view->gridModel(), combo);
          if (cell.isValid()) emit view->optionChosen(cell.row(), cell.column(), chosen + 1);
        });
        return combo;
      }
      case ColumnKind::Table: {
        auto* button = new QPushButton(parent);
        view_->controlCreated(button, index);
        QObject::connect(button, &QPushButton::clicked, view_, [view = view_, button] {
          const QModelIndex cell = cellOf(view->gridModel(), button);
          if (cell.isValid()) emit view->subTableRequested(cell.row(), cell.column());
        });
        return button;
      }
      default: {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) view_->editorCreated(line, index);
        return editor;
      }
    }
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    GridTableModel* model = view_->gridModel();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      const int column = model->tableColumn(index.column());
      GridTable* table = model->table();
      if (table == nullptr || column < 0 || index.row() >= table->rowCount()) return;
      const QSignalBlocker block(combo);
      combo->setCurrentIndex(table->integer(column, index.row()) - 1);
      return;
    }
    if (auto* button = qobject_cast<QPushButton*>(editor)) {
      button->setText(model->cellText(index.row(), index.column()));
      return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }

  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

  bool eventFilter(QObject* object, QEvent* event) override {
    // Keys and the wheel over a list or button belong to the grid.  (Only
    // those: other events also come while the grid is being destroyed.)
    const bool input = event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel;
    if (input && object->property(kCellRow).isValid() && view_->controlEvent(event)) return true;
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  GridView* view_;
};

GridView::GridView(GridTableModel* model, QWidget* parent) : QTableView(parent), model_(model) {
  setModel(model_);
  setItemDelegate(new GridCellDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  setTabKeyNavigation(true);
  setWordWrap(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  verticalHeader()->setHighlightSections(false);

  // Rows tall enough for the in-cell controls.
  const int textRow = fontMetrics().height() + fontMetrics().height() / 2;
  bool controls = false;
  for (int c = 0; c < model_->columnCount(); ++c) controls = controls || model_->hasInCellControl(c);
  verticalHeader()->setDefaultSectionSize(controls ? std::max(textRow, QComboBox().sizeHint().height() + 2)
                                                   : textRow);

  // The corner cell shows the table's top-left text.
  corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner_) corner_->installEventFilter(this);
}

void GridView::setTopLeftText(const QString& text) {
  topLeft_ = text;
  // The row labels are at least a third of an inch wide, wider for the text.
  const int width = std::max(logicalDpiX() / 3, fontMetrics().horizontalAdvance(text) + fontMetrics().height());
  verticalHeader()->setMinimumWidth(width);
  if (corner_) corner_->update();
}

void GridView::setVisibleRows(int rows) {
  visibleRows_ = std::max(1, rows);
  updateGeometry();
}

QSize GridView::sizeHint() const {
  const int rows = visibleRows_;
  int width = 2 * frameWidth() + std::max(verticalHeader()->minimumWidth(), verticalHeader()->sizeHint().width());
  for (int c = 0; c < model_->columnCount(); ++c) width += columnWidth(c);
  if (model_->rowCount() > rows) width += verticalScrollBar()->sizeHint().width();
  const int height =
      2 * frameWidth() + horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize();
  return {width, height};
}

void GridView::fitColumns() {
  GridTable* table = model_->table();
  if (table == nullptr) return;
  const int charWidth = fontMetrics().averageCharWidth();
  for (int c = 0; c < model_->columnCount(); ++c) {
    const TColumn& column = table->column(model_->tableColumn(c));
    int width = column.displayWidth() * charWidth;
    if (column.kind() == ColumnKind::Enum) width += QComboBox().sizeHint().width() / 2;
    if (column.kind() == ColumnKind::Table) width += 2 * fontMetrics().height();
    width = std::max(width, horizontalHeader()->sectionSizeHint(c));
    setColumnWidth(c, width);
  }
  updateGeometry();
}

// ----------------------------------------------------------------- editors

void GridView::editorCreated(QLineEdit* editor, const QModelIndex& index) {
  editor_ = editor;
  editIndex_ = index;
  holdEditor_ = false;
}

void GridView::controlCreated(QWidget* control, const QModelIndex& index) {
  control->setProperty(kCellRow, index.row());
  control->setProperty(kCellColumn, index.column());
  // Reached through the grid's current cell, not as stops of their own.
  control->setFocusPolicy(Qt::ClickFocus);
  control->installEventFilter(this);
}

bool GridView::controlEvent(QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    // The wheel scrolls the grid; it never steps a list through its options.
    QCoreApplication::sendEvent(viewport(), event);
    return true;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      setFocus(Qt::TabFocusReason);
      focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (key->modifiers() & Qt::AltModifier) return false;  // Alt+Down opens the list
      [[fallthrough]];
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Moving about the grid, not choosing another option (which would
      // replace the row's sub-table).
      setFocus(Qt::OtherFocusReason);
      keyPressEvent(key);
      return true;
    default:
      return false;
  }
}

bool GridView::atTabEnd(bool next) const {
  const QModelIndex current = currentIndex();
  const int rows = model_->rowCount(), columns = model_->columnCount();
  if (!current.isValid() || rows == 0 || columns == 0) return true;
  return next ? current.row() == rows - 1 && current.column() == columns - 1
              : current.row() == 0 && current.column() == 0;
}

bool GridView::focusNextPrevChild(bool next) {
  // Tab from the last cell (Shift+Tab from the first) leaves the grid for
  // the window's next control instead of going round again.
  if (tabKeyNavigation() && state() != EditingState && atTabEnd(next)) return QWidget::focusNextPrevChild(next);
  return QTableView::focusNextPrevChild(next);
}

bool GridView::commitEditorText(bool quiet) {
  if (!editor_) return true;
  if (refusing_ || committing_) return false;
  if (!commit_) return true;
  committing_ = true;
  const bool ok = commit_(editIndex_.row(), editIndex_.column(), editor_->text(), quiet);
  committing_ = false;
  if (!ok && !quiet) refuse();
  return ok;
}

void GridView::refuse() {
  refusing_ = true;
  // Once the focus change or click that led here is over, the cell gets the
  // selection and its editor the focus back.
  QTimer::singleShot(0, this, [this] {
    refusing_ = false;
    if (!editor_) return;
    bringToFront(this);
    if (currentIndex() != QModelIndex(editIndex_)) {
      restoring_ = true;
      selectionModel()->setCurrentIndex(editIndex_, QItemSelectionModel::ClearAndSelect);
      restoring_ = false;
    }
    editor_->setFocus(Qt::OtherFocusReason);
  });
}

void GridView::closeCellEditor() {
  QWidget* editor = editor_;
  editor_ = nullptr;
  holdEditor_ = false;
  if (editor != nullptr) QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool GridView::commitCellEditor() {
  if (!editor_) return !refusing_;
  if (!commitEditorText(false)) return false;
  closeCellEditor();
  return true;
}

void GridView::settleCellEditor() {
  if (!editor_) return;
  commitEditorText(true);
  closeCellEditor();
}

void GridView::commitData(QWidget* editor) {
  // Choice lists and buttons report through their own signals.
  if (editor == nullptr || editor != editor_) return;
  if (!commitEditorText(false)) holdEditor_ = true;
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  if (editor == nullptr || editor != editor_) {
    QTableView::closeEditor(editor, hint);
    return;
  }
  if (holdEditor_ && hint != QAbstractItemDelegate::RevertModelCache) {
    holdEditor_ = false;  // refused: the editor stays open
    return;
  }
  // The delegate ends an entry made with Enter with SubmitModelCache.
  const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
  const bool tab = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
  const bool leave = tab && atTabEnd(hint == QAbstractItemDelegate::EditNextItem);
  editor_ = nullptr;
  holdEditor_ = false;
  QTableView::closeEditor(editor, enter || leave ? QAbstractItemDelegate::NoHint : hint);
  if (enter) moveAfterEnter();
  if (leave) QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (editor_ && !restoring_ && previous == QModelIndex(editIndex_) && current != previous) {
    if (!commitEditorText(false)) {
      viewport()->update();
      return;  // the editor stays; the refusal brings the selection back
    }
    closeCellEditor();
  }
  QTableView::currentChanged(current, previous);
}

void GridView::moveAfterEnter() {
  GridTable* table = model_->table();
  if (table == nullptr || model_->rowCount() == 0 || model_->columnCount() == 0) return;
  QModelIndex from = currentIndex();
  if (!from.isValid()) from = model_->index(0, 0);
  const GridCell next = table->cellAfterEnter({model_->tableColumn(from.column()), from.row()});
  const QModelIndex target = model_->index(next.row, std::max(0, model_->modelColumn(next.column)));
  setCurrentIndex(target);
  scrollTo(target);
}

// ------------------------------------------------------------------ events

void GridView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  // Arriving from the keyboard on a cell with a list or button: the control
  // takes the focus, so that the current cell shows.  A click picks its own
  // cell instead.
  if (event->reason() == Qt::MouseFocusReason || editor_) return;
  // Once the focus change is over: a control scrolled out of sight is gone
  // by then, and the grid keeps the focus.
  QTimer::singleShot(0, this, [this, reason = event->reason()] {
    if (!hasFocus() || editor_) return;
    QWidget* control = indexWidget(currentIndex());
    if (control != nullptr && control->isVisible() && control->property(kCellRow).isValid()) control->setFocus(reason);
  });
}

void GridView::mousePressEvent(QMouseEvent* event) {
  if (refusing_) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
}

void GridView::keyPressEvent(QKeyEvent* event) {
  const QModelIndex current = currentIndex();
  if (state() != EditingState && current.isValid()) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      moveAfterEnter();
      event->accept();
      return;
    }
    const ColumnKind kind = model_->kindOf(current.column());
    const bool listKey = key == Qt::Key_F4 || (key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (kind == ColumnKind::Enum && listKey) {
      if (auto* combo = qobject_cast<QComboBox*>(indexWidget(current))) combo->showPopup();
      event->accept();
      return;
    }
    if (kind == ColumnKind::Table && key == Qt::Key_Space) {
      emit subTableRequested(current.row(), current.column());
      event->accept();
      return;
    }
  }
  QTableView::keyPressEvent(event);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == corner_ && event->type() == QEvent::Paint) {
    auto* corner = static_cast<QWidget*>(watched);
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = topLeft_;
    option.textAlignment = Qt::AlignCenter;
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress && watched->property(kCellRow).isValid()) {
    // An in-cell control takes the selection to its cell first; a refused
    // entry elsewhere keeps it from reacting at all.
    if (refusing_) return true;
    const QModelIndex cell = cellOf(model_, watched);
    if (cell.isValid() && cell != currentIndex()) {
      setCurrentIndex(cell);
      if (refusing_ || currentIndex() != cell) return true;
    }
  }
  return QTableView::eventFilter(watched, event);
}

void GridView::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  if (dy != 0) updateInCellControls();
}

void GridView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  updateInCellControls();
}

void GridView::reset() {
  // The view releases every editor on a reset.
  editor_ = nullptr;
  holdEditor_ = false;
  controlRows_.clear();
  QTableView::reset();
}

void GridView::updateInCellControls() {
  std::vector<int> columns;
  for (int c = 0; c < model_->columnCount(); ++c)
    if (model_->hasInCellControl(c)) columns.push_back(c);
  const int rows = model_->rowCount();
  if (columns.empty() || rows == 0) return;
  int first = rowAt(0), last = rowAt(viewport()->height() - 1);
  if (first < 0) first = 0;
  // Below the last row, or before the first layout: a window's worth.
  if (last < 0) last = std::min(rows - 1, first + 2 * visibleRows_);
  for (auto it = controlRows_.begin(); it != controlRows_.end();) {
    if (*it < first || *it > last || *it >= rows) {
      for (int c : columns) closePersistentEditor(model_->index(*it, c));
      it = controlRows_.erase(it);
    } else {
      ++it;
    }
  }
  for (int r = first; r <= last; ++r) {
    if (controlRows_.count(r) != 0) continue;
    for (int c : columns) openPersistentEditor(model_->index(r, c));
    controlRows_.insert(r);
  }
}

}  // namespace murena::ui
