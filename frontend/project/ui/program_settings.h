#pragma once
// The program's settings of the current user (organisation "Kaldor",
// application "MURENA", group "2015.5.12"): the text editor ("Word
// Processor"), the recent files ("File1" to "File10") and, for test and
// development set-ups, the engine library to load ("Engine Library").
#include <QString>
#include <QStringList>

namespace murena {

struct ProgramSettings {
  QString editorPath;
  QStringList recentFiles;
  QString engineLibrary;  // empty: the library beside the program
};

// A missing value leaves its default; a value that is not text clears it.
ProgramSettings readProgramSettings();
void writeEditorPath(const QString& path);
void writeRecentFiles(const QStringList& files);

}  // namespace murena
