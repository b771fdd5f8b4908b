#pragma once
// The data dialogs that lead to a table: a picture, a button that opens the
// table's editor and, for the options of the Data menu, a check box that
// switches the option ("Concentrated Loads", "Lateral & Rotational
// Springs", "Tieback (Ground Anchor)", "Additional Surcharge").
#include "frontend/entry/ui/data_dialog_window.h"

class QCheckBox;
class QPushButton;

namespace murena {
class GridTable;
struct TProgramData;
}  // namespace murena

namespace murena::ui {

struct TableLinkDialogSetup {
  QString caption;
  QString picture;        // resource path
  QString checkCaption;   // empty: no check box
  bool TProgramData::*option = nullptr;
  QString buttonCaption;
  GridTable& (*table)(TProject&) = nullptr;
};

class TableLinkDialog : public DataDialogWindow {
  Q_OBJECT
 public:
  TableLinkDialog(MainWindowHost& host, TableLinkDialogSetup setup, QWidget* parent = nullptr);
  QCheckBox* optionBox() const { return check_; }
  QPushButton* tableButton() const { return button_; }
  void loadFromProject() override;

 protected:
  void writeBack() override;

 private:
  void optionToggled(bool on);

  TableLinkDialogSetup setup_;
  QCheckBox* check_ = nullptr;
  QPushButton* button_;
};

TableLinkDialogSetup concentratedLoadsDialogSetup();
TableLinkDialogSetup springsDialogSetup();
TableLinkDialogSetup tiebackDialogSetup();
TableLinkDialogSetup surchargeDialogSetup();

}  // namespace murena::ui
