#pragma once
// The Graph Caption dialog (TfrmGraphCaption): the graph title and its side.
// However it is closed, the window takes the text and the side.
#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace murena::ui {

class TfrmGraphCaption : public QDialog {
  Q_OBJECT
 public:
  TfrmGraphCaption(const QString& title, bool atTop, QWidget* parent = nullptr);
  QString title() const;
  bool atTop() const;

  QLineEdit* titleEdit() const { return edit_; }
  QRadioButton* topButton() const { return top_; }
  QRadioButton* bottomButton() const { return bottom_; }

 private:
  QLineEdit* edit_;
  QRadioButton* top_;
  QRadioButton* bottom_;
};

}  // namespace murena::ui
