#include "frontend/entry/ui/table_editors.h"

#include <QWidget>

#include "frontend/entry/grid_table.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena {

TableEditors::TableEditors(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
TableEditors::~TableEditors() = default;

void TableEditors::show(GridTable& table) {
  table.showEditor();
}

void TableEditors::close(GridTable& table) {
  table.closeEditor();
}

void TableEditors::closeAll() {
  for (auto& [table, editor] : editors_)
    if (editor) editor->close();
  editors_.clear();
}

QWidget* TableEditors::editorOf(const GridTable& table) const {
  const auto it = editors_.find(&table);
  return it == editors_.end() ? nullptr : it->second.data();
}

void TableEditors::refreshAll() {}

}  // namespace murena
