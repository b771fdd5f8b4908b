#pragma once
// The data dialogs made of numeric fields: "Wall Properties" and "Wall
// Configuration".  Their fields, units, limits and display conversions are
// the field tables of dialog_fields.h.
#include <utility>
#include <vector>

#include "frontend/entry/dialog_fields.h"
#include "frontend/entry/ui/data_dialog_window.h"

class QGridLayout;

namespace murena::ui {

class FieldDialog : public DataDialogWindow {
  Q_OBJECT
 public:
  FieldDialog(MainWindowHost& host, const QString& caption, const std::vector<DialogField>& fields,
              QWidget* parent = nullptr);
  // The field of the given name (DialogField::name), null when none.
  TDataEdit* field(const QString& name) const;
  void loadFromProject() override;

 protected:
  void writeBack() override;
  // The grid of labels and fields; rows below fieldRows() are free.
  QGridLayout* fieldGrid() const { return grid_; }
  int fieldRows() const;

 private:
  std::vector<std::pair<const DialogField*, TDataEdit*>> fields_;
  QGridLayout* grid_;
};

// "Wall Properties": the wall's increments, iteration limits and free
// height, and the way to the wall stiffness table.
class WallPropertiesDialog : public FieldDialog {
  Q_OBJECT
 public:
  explicit WallPropertiesDialog(MainWindowHost& host, QWidget* parent = nullptr);
};

// "Wall Configuration": free height, widths, water tables, backfill
// surcharge and slope, with drawings of the wall geometry.
class WallConfigurationDialog : public FieldDialog {
  Q_OBJECT
 public:
  explicit WallConfigurationDialog(MainWindowHost& host, QWidget* parent = nullptr);
};

}  // namespace murena::ui
