#include "frontend/entry/ui/table_editors.h"

#include <QMdiSubWindow>
#include <QWidget>
#include <vector>

#include "frontend/entry/grid_table.h"
#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/table_chart_form.h"
#include "frontend/entry/ui/table_form.h"
#include "frontend/project/project_tables.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena {

TableEditors::TableEditors(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
TableEditors::~TableEditors() = default;

ui::TTableForm* TableEditors::formOf(const GridTable& table) const {
  return qobject_cast<ui::TTableForm*>(editorOf(table));
}

void TableEditors::show(GridTable& table) {
  if (QWidget* open = editorOf(table)) {
    ui::bringToFront(open);
    return;
  }
  table.showEditor();
  ui::TTableForm* form =
      table.isChart() ? new ui::TTableChartForm(host_, table) : new ui::TTableForm(host_, table);
  editors_[&table] = form;
  connect(form, &ui::TTableForm::closing, this, &TableEditors::editorClosing);
  QMdiSubWindow* sub = host_.addChildWindow(form);
  form->attach(sub);
  ui::bringToFront(form);
  form->setFocus(Qt::OtherFocusReason);
}

void TableEditors::editorClosing(const GridTable* key, GridTable* table) {
  editors_.erase(key);
  if (table == nullptr) return;  // its sub-tables are going with it
  // The editors of the sub-tables close with their owner's.
  std::vector<ui::TTableForm*> subEditors;
  forEachTableDeep(*table, [&](GridTable& t) {
    if (&t == table) return;
    if (ui::TTableForm* form = formOf(t)) subEditors.push_back(form);
  });
  for (ui::TTableForm* form : subEditors) form->closeByProgram();
}

void TableEditors::close(GridTable& table) {
  if (ui::TTableForm* form = formOf(table)) {
    form->closeByProgram();  // its sub-tables' editors close with it
  } else {
    std::vector<ui::TTableForm*> subEditors;
    forEachTableDeep(table, [&](GridTable& t) {
      if (ui::TTableForm* f = formOf(t)) subEditors.push_back(f);
    });
    for (ui::TTableForm* f : subEditors) f->closeByProgram();
  }
  table.closeEditor();
}

void TableEditors::closeAll() {
  std::vector<QPointer<QWidget>> open;
  for (const auto& [table, editor] : editors_) open.push_back(editor);
  for (const QPointer<QWidget>& editor : open)
    if (auto* form = qobject_cast<ui::TTableForm*>(editor.data())) form->closeByProgram();
  editors_.clear();
}

QWidget* TableEditors::editorOf(const GridTable& table) const {
  const auto it = editors_.find(&table);
  return it == editors_.end() ? nullptr : it->second.data();
}

void TableEditors::refreshAll() {
  for (const auto& [table, editor] : editors_)
    if (auto* form = qobject_cast<ui::TTableForm*>(editor.data())) form->refresh();
}

bool TableEditors::commitAll() {
  for (const auto& [table, editor] : editors_)
    if (auto* form = qobject_cast<ui::TTableForm*>(editor.data()); form != nullptr && !form->commitEntry())
      return false;
  return true;
}

}  // namespace murena
