#pragma once
// The Legend dialog (TfrmLineNames): the names of all curves; the edit box
// shows the selected row in its curve's colour, Enter or leaving it stores
// the text (an empty one is refused).  OK hands the names to the window.
#include <QDialog>
#include <string>
#include <vector>

#include "frontend/results/curve_dialogs.h"

class QLineEdit;
class QListWidget;

namespace murena::ui {

class TfrmLineNames : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmLineNames(const TGraphPlot& graph, QWidget* parent = nullptr);
  ~TfrmLineNames() override;
  const std::vector<std::string>& names() const { return editor_.names(); }

  QListWidget* list() const { return list_; }
  QLineEdit* edit() const { return edit_; }

  // Stores the edit box's text into the selected row.
  void storeEdit();

  // Closing (OK, Cancel, Escape) takes the focus from the edit box: that
  // must not store or refuse its text any more.
  void done(int result) override;

 private:
  void showRow(int row);

  CurveNamesEditor editor_;
  QListWidget* list_;
  QLineEdit* edit_;
  bool storing_ = false;
  bool closing_ = false;
};

}  // namespace murena::ui
