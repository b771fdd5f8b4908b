#pragma once
// The Active Curves dialog (TfrmActiveLines): which curves take part in the
// graph.  Rows read " yes : " or " no  : " and the curve's name; a double
// click toggles a row, the buttons toggle the selected rows or set them all.
#include <QDialog>

#include "frontend/results/curve_dialogs.h"

class QListWidget;
class QPushButton;

namespace murena::ui {

class TfrmActiveLines : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmActiveLines(const TGraphPlot& graph, QWidget* parent = nullptr);
  const std::vector<bool>& flags() const { return editor_.flags(); }

  QListWidget* list() const { return list_; }
  QPushButton* toggleSelectedButton() const { return toggleSelected_; }
  QPushButton* activateAllButton() const { return activateAll_; }
  QPushButton* deactivateAllButton() const { return deactivateAll_; }

 private:
  void refreshRows();

  ActiveCurvesEditor editor_;
  QListWidget* list_;
  QPushButton* toggleSelected_;
  QPushButton* activateAll_;
  QPushButton* deactivateAll_;
};

}  // namespace murena::ui
