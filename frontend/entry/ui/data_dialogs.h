#pragma once
// The data dialogs: small child windows of the main window that edit the
// project's scalar inputs and lead to its tables.  Each is created on first
// use and re-shown afterwards; closing destroys it.
//
// A dialog shows the project's values when it is activated and writes them
// back when it is deactivated or closed; an invalid entry in its focused
// field keeps the focus in the dialog instead.
#include <QObject>
#include <QPointer>
#include <map>

#include <QWidget>

namespace murena {

class MainWindowHost;

enum class DataDialog {
  Title,               // "Project Title"
  WallProperties,      // "Wall Properties"
  WallConfiguration,   // "Wall Configuration"
  ConcentratedLoads,   // "Concentrated Loads"
  Springs,             // "Lateral & Rotational Springs"
  Tieback,             // "Tieback (Ground Anchor)"
  Surcharge,           // "Additional Surcharge"
  ControlOptions,      // "Control Options"
};

class DataDialogs : public QObject {
  Q_OBJECT
 public:
  explicit DataDialogs(MainWindowHost& host, QObject* parent = nullptr);
  ~DataDialogs() override;

  void show(DataDialog which);
  // The open dialog, null when none.
  QWidget* dialog(DataDialog which) const;
  // Writes every open dialog back to the project (before a save or a run);
  // false when a field holds an invalid entry (its dialog keeps the focus).
  bool commitAll();
  // Closes every dialog without writing it back (the project is about to be
  // replaced; call commitAll() first to keep the entries).
  void closeAll();
  // Re-reads every open dialog from the project (after a unit switch or a
  // stage switch), labels included; commitAll() first keeps typed entries.
  void reactivateAll();

  // The window caption of a dialog ("Wall Properties").
  static QString caption(DataDialog which);

 private:
  MainWindowHost& host_;
  std::map<DataDialog, QPointer<QWidget>> dialogs_;
};

}  // namespace murena
