#include "frontend/entry/ui/table_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/grid_table_model.h"
#include "frontend/entry/ui/grid_view.h"
#include "frontend/entry/ui/prompts.h"
#include "frontend/entry/ui/svg_picture.h"
#include "frontend/project/project_tables.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena::ui {

namespace {

constexpr int kMaxVisibleRows = 10;
constexpr int kMinVisibleRows = 3;

// The rows in sight: every row up to 10, and room for a few new rows in a
// table that may grow.
int visibleRowsOf(const GridTable& table) {
  const int room = table.maxRows() == 0 ? kMinVisibleRows : std::min(table.maxRows(), kMinVisibleRows);
  return std::clamp(std::max(table.rowCount(), room), 1, kMaxVisibleRows);
}

}  // namespace

TTableForm::TTableForm(MainWindowHost& host, GridTable& table, QWidget* parent)
    : QWidget(parent),
      host_(host),
      table_(&table),
      key_(&table),
      model_(new GridTableModel(&table, this)),
      grid_(new GridView(model_, this)),
      gridColumn_(new QVBoxLayout),
      body_(new QHBoxLayout),
      addButton_(new QPushButton(QStringLiteral("&Add Row"), this)),
      insertButton_(new QPushButton(QStringLiteral("&Insert Row"), this)),
      deleteButton_(new QPushButton(QStringLiteral("&Delete Row"), this)) {
  table.setEditorLink(this);
  setWindowTitle(QString::fromStdString(table.editorCaption()));

  auto* layout = new QVBoxLayout(this);
  const int margin = std::max(2, logicalDpiX() / 20);  // one twentieth of an inch
  layout->setContentsMargins(margin, margin, margin, margin);
  if (!table.comments().empty()) {
    auto* comments = new QLabel(QString::fromStdString(table.comments()), this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setTextFormat(Qt::PlainText);
    layout->addWidget(comments);
  }

  grid_->setObjectName(QStringLiteral("Grid"));
  grid_->setTopLeftText(QString::fromStdString(table.topLeft()));
  grid_->setVisibleRows(visibleRowsOf(table));
  grid_->setCommitHandler(
      [this](int row, int column, const QString& text, bool quiet) { return commitCell(row, column, text, quiet); });
  connect(grid_, &GridView::optionChosen, this, &TTableForm::chooseOption);
  connect(grid_, &GridView::subTableRequested, this, &TTableForm::openSubTable);
  gridColumn_->addWidget(grid_, 1);  // a taller window shows more rows

  auto* buttons = new QHBoxLayout;
  addButton_->setObjectName(QStringLiteral("AddRow"));
  insertButton_->setObjectName(QStringLiteral("InsertRow"));
  deleteButton_->setObjectName(QStringLiteral("DeleteRow"));
  buttons->addWidget(addButton_);
  buttons->addWidget(insertButton_);
  buttons->addWidget(deleteButton_);
  buttons->addStretch(1);
  gridColumn_->addLayout(buttons);
  gridColumn_->addSpacing(0);  // the chart editor adds its file controls above this
  connect(addButton_, &QPushButton::clicked, this, &TTableForm::addRow);
  connect(insertButton_, &QPushButton::clicked, this, &TTableForm::insertRow);
  connect(deleteButton_, &QPushButton::clicked, this, &TTableForm::deleteRow);

  body_->addLayout(gridColumn_);
  layout->addLayout(body_);

  const QString picture = helpPictureResource(QString::fromStdString(table.helpPicture()));
  if (!picture.isEmpty()) {
    auto* help = new SvgPicture(picture, this);
    help->setObjectName(QStringLiteral("HelpPicture"));
    layout->addWidget(help, 0, Qt::AlignHCenter);
  }

  grid_->fitColumns();
  grid_->updateInCellControls();
  updateRowButtons();
  if (model_->rowCount() > 0 && model_->columnCount() > 0) grid_->setCurrentIndex(model_->index(0, 0));
  setFocusProxy(grid_);
}

TTableForm::~TTableForm() {
  if (table_ != nullptr && table_->editorLink() == this) table_->setEditorLink(nullptr);
}

void TTableForm::attach(QMdiSubWindow* sub) {
  watchActivation(sub, this, [this](bool active) { activationChanged(active); });
}

void TTableForm::activationChanged(bool active) {
  if (!active && !byProgram_) commitEntry();
}

bool TTableForm::commitEntry() { return table_ == nullptr || grid_->commitCellEditor(); }

void TTableForm::refresh() {
  if (table_ == nullptr) return;
  setWindowTitle(QString::fromStdString(table_->editorCaption()));
  const QModelIndex current = grid_->currentIndex();
  grid_->settleCellEditor();
  model_->reload();
  grid_->fitColumns();
  fitWindow();
  grid_->updateInCellControls();
  updateRowButtons();
  if (current.isValid() && current.row() < model_->rowCount())
    grid_->setCurrentIndex(model_->index(current.row(), current.column()));
}

void TTableForm::tableEdited() { host_.projectEdited(); }

void TTableForm::fitWindow() {
  if (table_ == nullptr) return;
  grid_->setVisibleRows(visibleRowsOf(*table_));
  layout()->activate();
  // The window grows with the rows in sight; it never shrinks under the user.
  if (QMdiSubWindow* sub = enclosingSubWindow(this)) {
    const QSize wanted = sub->sizeHint();
    sub->resize(std::max(sub->width(), wanted.width()), std::max(sub->height(), wanted.height()));
  }
}

void TTableForm::rowsReplaced(int currentRow) {
  const int column = std::max(0, grid_->currentIndex().column());
  retitleSubTableEditors();
  model_->reload();
  fitWindow();
  grid_->updateInCellControls();
  updateRowButtons();
  if (model_->rowCount() > 0 && model_->columnCount() > 0) {
    const QModelIndex target = model_->index(std::clamp(currentRow, 0, model_->rowCount() - 1), column);
    grid_->setCurrentIndex(target);
    grid_->scrollTo(target);
  }
  tableEdited();
}

void TTableForm::retitleSubTableEditors() {
  // Rows inserted or deleted above a sub-table change the row number its
  // editor's caption carries ("Clay 2" becomes "Clay 3").
  forEachTableDeep(*table_, [this](GridTable& sub) {
    if (&sub == table_) return;
    if (auto* form = dynamic_cast<TTableForm*>(sub.editorLink()))
      form->setWindowTitle(QString::fromStdString(sub.editorCaption()));
  });
}

bool TTableForm::commitCell(int row, int column, const QString& text, bool quiet) {
  const int tableColumn = model_->tableColumn(column);
  if (table_ == nullptr || tableColumn < 0 || row < 0 || row >= table_->rowCount()) return true;
  if (text == model_->cellText(row, column)) return true;  // nothing was changed
  try {
    table_->setText(tableColumn, row, text.toStdString());
  } catch (const MessageError& e) {
    if (!quiet) showInformation(this, QString::fromStdString(e.message()));
    return false;
  }
  // A row-group column writes the whole group.
  emit model_->dataChanged(model_->index(0, 0), model_->index(model_->rowCount() - 1, model_->columnCount() - 1));
  tableEdited();
  return true;
}

void TTableForm::chooseOption(int row, int column, int option) {
  const int tableColumn = model_->tableColumn(column);
  if (table_ == nullptr || tableColumn < 0 || row >= table_->rowCount()) return;
  if (!grid_->commitCellEditor() || table_->integer(tableColumn, row) == option) {
    model_->rowChanged(row);  // the list shows the held option again
    return;
  }
  // Switching the first column's option replaces the row's sub-tables (and
  // closes their editors).
  table_->setInteger(tableColumn, row, option);
  table_->setModified();
  model_->rowChanged(row);
  tableEdited();
}

void TTableForm::openSubTable(int row, int column) {
  const int tableColumn = model_->tableColumn(column);
  if (table_ == nullptr || tableColumn < 0 || row >= table_->rowCount()) return;
  if (!grid_->commitCellEditor()) return;
  if (GridTable* sub = table_->subTable(tableColumn, row)) host_.showTableEditor(*sub);
}

int TTableForm::currentRow() const {
  const QModelIndex current = grid_->currentIndex();
  return current.isValid() ? current.row() : (model_->rowCount() > 0 ? 0 : -1);
}

void TTableForm::addRow() {
  if (table_ == nullptr || !grid_->commitCellEditor()) return;
  if (table_->addRowGroup()) rowsReplaced(table_->rowCount() - 1);
}

void TTableForm::insertRow() {
  if (table_ == nullptr || !grid_->commitCellEditor()) return;
  const int row = std::max(0, currentRow());
  try {
    if (table_->insertRowGroup(row)) rowsReplaced(row / table_->rowGroup() * table_->rowGroup());
  } catch (const MessageError& e) {
    showInformation(this, QString::fromStdString(e.message()));
  }
}

void TTableForm::deleteRow() {
  if (table_ == nullptr || !grid_->commitCellEditor()) return;
  const int row = currentRow();
  try {
    if (table_->deleteRowGroup(row)) rowsReplaced(row);
  } catch (const MessageError& e) {
    showInformation(this, QString::fromStdString(e.message()));
  }
}

void TTableForm::updateRowButtons() {
  const bool shown = table_ != nullptr && table_->rowButtonsVisible();
  for (QPushButton* b : {addButton_, insertButton_, deleteButton_}) b->setVisible(shown);
  if (!shown) return;
  addButton_->setEnabled(table_->canAddRow());
  insertButton_->setEnabled(table_->canAddRow());
  deleteButton_->setEnabled(table_->canDeleteRow());
}

void TTableForm::closeByProgram() {
  byProgram_ = true;
  if (!closeChildWindow(this)) byProgram_ = false;
}

void TTableForm::closeEvent(QCloseEvent* event) {
  if (byProgram_) {
    grid_->settleCellEditor();
  } else if (!commitEntry()) {
    event->ignore();
    return;
  }
  byProgram_ = true;  // nothing more to commit while the window goes away
  GridTable* table = table_;
  if (table != nullptr) {
    table->setEditorLink(nullptr);
    table_ = nullptr;
  }
  emit closing(key_, table);  // the sub-tables' editors close with this one
  if (table != nullptr) table->closeEditor();
  model_->detach();
  event->accept();
}

void TTableForm::tableDestroyed(GridTable& table) {
  if (&table != table_) return;
  table_ = nullptr;
  model_->detach();
  closeByProgram();
}

}  // namespace murena::ui
