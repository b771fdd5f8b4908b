#pragma once
// The legend over a graph: a list box with one entry per active curve in
// the curve's colour, " *" after the curves that are drawn.  A double click
// toggles an entry's curve; the box can be dragged with the mouse and stays
// inside its parent.
#include <QListWidget>
#include <QPoint>

namespace murena::ui {

class LegendListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit LegendListBox(QWidget* parent);

 signals:
  void entryToggled(int entry);
  void moved();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPoint pressGlobal_;
  QPoint pressPosition_;
  bool pressed_ = false;
  bool dragging_ = false;
};

}  // namespace murena::ui
