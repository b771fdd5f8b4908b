#pragma once
// The "Export to Excel" dialog (TDlgExport): the exportable graphs with
// check boxes (entries without results are disabled), Select All, Unselect
// All, and Generate Excel File, which writes the workbook to a file the user
// picks (beside the data file and named after it by default) and opens it
// with the desktop's default program.  The dialog stays open.
#include <QDialog>
#include <functional>

#include "frontend/results/export_selection.h"

class QListWidget;
class QPushButton;

namespace murena {
class MainWindowHost;
}

namespace murena::ui {

class TDlgExport : public QDialog {
  Q_OBJECT
 public:
  explicit TDlgExport(MainWindowHost& host, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  QPushButton* selectAllButton() const { return selectAll_; }
  QPushButton* unselectAllButton() const { return unselectAll_; }
  QPushButton* generateButton() const { return generate_; }
  const ExportSelection& selection() const { return selection_; }

  // Writes the workbook of the checked graphs to the file and opens it;
  // false after showing the error.
  bool generate(const QString& path);

  // How a written workbook is opened (the desktop's default program);
  // tests replace it.  Returns false when nothing could open it.
  using Opener = std::function<bool(const QString& path)>;
  static void setWorkbookOpener(Opener opener);

 private:
  void syncFromList();
  void syncToList();
  void generateClicked();

  MainWindowHost& host_;
  ExportSelection selection_;
  QListWidget* list_;
  QPushButton* selectAll_;
  QPushButton* unselectAll_;
  QPushButton* generate_;
};

}  // namespace murena::ui
