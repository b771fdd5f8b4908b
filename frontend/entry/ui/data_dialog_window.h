#pragma once
// What every data dialog shares: it shows the project's values when it is
// activated, writes them back when it is deactivated or closed, refuses both
// while its focused numeric field holds an invalid entry, and marks the
// project modified when a written value differs from the held one.
#include <QWidget>

class QMdiSubWindow;

namespace murena {
class MainWindowHost;
class TProject;
}  // namespace murena

namespace murena::ui {

class TDataEdit;

class DataDialogWindow : public QWidget {
  Q_OBJECT
 public:
  DataDialogWindow(MainWindowHost& host, const QString& caption, QWidget* parent = nullptr);

  // Follows the activation of the sub-window that holds the dialog.
  void attach(QMdiSubWindow* sub);

  // Shows the project's values (and the units of its unit system).
  virtual void loadFromProject() = 0;
  // Checks the focused field and writes every value back; false (message
  // shown, focus kept) when the focused field holds an invalid entry.
  bool commit();
  // Closes without writing anything back (the project is being replaced).
  void closeDiscarding();

 protected:
  // Writes the values back; calls edited() when the project changed.
  virtual void writeBack() = 0;
  // The project was changed by the dialog.
  void edited();
  MainWindowHost& host() { return host_; }
  TProject& project();

  void closeEvent(QCloseEvent* event) override;

 private:
  void activationChanged(bool active);
  // The numeric field that has (or last had) the focus in the dialog.
  TDataEdit* focusedField() const;

  MainWindowHost& host_;
  bool reloadOnActivation_ = false;
  bool discard_ = false;
};

}  // namespace murena::ui
