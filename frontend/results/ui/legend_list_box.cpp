#include "frontend/results/ui/legend_list_box.h"

#include <QApplication>
#include <QMouseEvent>

#include "frontend/results/graph_legend.h"

namespace murena::ui {

LegendListBox::LegendListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setUniformItemSizes(true);
  setCursor(Qt::SizeAllCursor);
  QPalette p = palette();
  p.setColor(QPalette::Base, Qt::white);
  setPalette(p);
  viewport()->installEventFilter(this);
}

bool LegendListBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != viewport()) return QListWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (QListWidgetItem* item = itemAt(e->position().toPoint())) emit entryToggled(row(item));
      pressed_ = dragging_ = false;
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() != Qt::LeftButton) break;
      pressed_ = true;
      dragging_ = false;
      pressGlobal_ = e->globalPosition().toPoint();
      pressPosition_ = pos();
      return true;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (!pressed_ || !(e->buttons() & Qt::LeftButton)) break;
      const QPoint delta = e->globalPosition().toPoint() - pressGlobal_;
      if (!dragging_ && delta.manhattanLength() < QApplication::startDragDistance()) return true;
      dragging_ = true;
      QRect target(pressPosition_ + delta, size());
      if (parentWidget()) {
        const draw::Rect inside = keepInside({double(target.left()), double(target.top()),
                                              double(target.left() + width()), double(target.top() + height())},
                                             {0, 0, double(parentWidget()->width()), double(parentWidget()->height())});
        target.moveTo(int(inside.left), int(inside.top));
      }
      move(target.topLeft());
      emit moved();
      return true;
    }
    case QEvent::MouseButtonRelease:
      pressed_ = dragging_ = false;
      return true;
    default: break;
  }
  return QListWidget::eventFilter(watched, event);
}

}  // namespace murena::ui
