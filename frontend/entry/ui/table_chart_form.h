#pragma once
// TTableChartForm: the editor window of a chart table.  The grid of
// TTableForm with the chart of the y column against the x column beside it
// and, for tables that read their values from text, the file name with
// "Browse", "View/Edit File" and "Read values from File" (the last two
// enabled only while the named file exists) and "Paste values from
// Clipboard (text)".
#include "frontend/entry/ui/table_form.h"

class QLineEdit;

namespace murena::ui {

class CurveChartView;

class TTableChartForm : public TTableForm {
  Q_OBJECT
 public:
  static const QString kCurveFileFilter;

  TTableChartForm(MainWindowHost& host, GridTable& table, QWidget* parent = nullptr);

  // Null when the table shows no chart or no file controls.
  CurveChartView* chart() const { return chart_; }
  QLineEdit* fileNameField() const { return fileName_; }
  QPushButton* browseButton() const { return browse_; }
  QPushButton* viewFileButton() const { return viewFile_; }
  QPushButton* readFileButton() const { return readFile_; }
  QPushButton* pasteButton() const { return paste_; }

  void refresh() override;
  void tableDestroyed(GridTable& table) override;

 protected:
  void tableEdited() override;
  void activationChanged(bool active) override;

 private:
  void updateFileButtons();
  void browseFile();
  void readFile();
  void pasteClipboard();
  // Runs an import; the rows it filled replace the table's rows.
  template <class Import>
  void import(Import&& run);

  CurveChartView* chart_ = nullptr;
  QLineEdit* fileName_ = nullptr;
  QPushButton* browse_ = nullptr;
  QPushButton* viewFile_ = nullptr;
  QPushButton* readFile_ = nullptr;
  QPushButton* paste_ = nullptr;
};

}  // namespace murena::ui
