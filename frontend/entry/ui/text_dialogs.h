#pragma once
// The data dialogs that edit a text: "Project Title" (the project's title
// line) and "Control Options" (the program's text editor).
#include "frontend/entry/ui/data_dialog_window.h"

class QLineEdit;
class QPushButton;

namespace murena::ui {

class TitleDialog : public DataDialogWindow {
  Q_OBJECT
 public:
  static constexpr int kMaxTitleLength = 80;
  explicit TitleDialog(MainWindowHost& host, QWidget* parent = nullptr);
  QLineEdit* titleField() const { return title_; }
  void loadFromProject() override;

 protected:
  void writeBack() override;

 private:
  QLineEdit* title_;
};

class ControlOptionsDialog : public DataDialogWindow {
  Q_OBJECT
 public:
  explicit ControlOptionsDialog(MainWindowHost& host, QWidget* parent = nullptr);
  QLineEdit* editorField() const { return editor_; }
  QPushButton* browseButton() const { return browse_; }
  void loadFromProject() override;

 protected:
  void writeBack() override;

 private:
  void browse();

  QLineEdit* editor_;
  QPushButton* browse_;
};

}  // namespace murena::ui
