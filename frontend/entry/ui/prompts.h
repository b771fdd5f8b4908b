#pragma once
// Every message box and file dialog of the program goes through these
// functions, so that the texts, titles and buttons are the same everywhere
// and tests can answer them without a window (setPromptHandler).
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace murena::ui {

// The application title shown on message boxes.
inline const QString kApplicationTitle = QStringLiteral("MURENA 2015");

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class Answer { Ok, Yes, No, Cancel };

// Information, warning and error boxes with an OK button.
void showMessage(QWidget* parent, MessageKind kind, const QString& text);
inline void showInformation(QWidget* parent, const QString& text) {
  showMessage(parent, MessageKind::Information, text);
}
inline void showWarning(QWidget* parent, const QString& text) {
  showMessage(parent, MessageKind::Warning, text);
}
// A confirmation box with Yes and No, or Yes, No and Cancel.
Answer askQuestion(QWidget* parent, const QString& text, bool withCancel);

// File dialogs.  `filter` is written as "Name (*.ext)|*.ext|Other|*.*"; the
// chosen filter's 1-based index is returned through filterIndex.  Empty when
// cancelled.
struct FileChoice {
  QString path;
  int filterIndex = 1;
};
std::optional<FileChoice> askOpenFile(QWidget* parent, const QString& title, const QString& startPath,
                                      const QString& filter, int filterIndex = 1);
// Save dialog; `defaultSuffix` (without dot) is added to a name typed without
// an extension; an existing file is confirmed before it is overwritten.
std::optional<FileChoice> askSaveFile(QWidget* parent, const QString& title, const QString& startPath,
                                      const QString& filter, const QString& defaultSuffix);

// ---- tests
// What a prompt asks; a handler answers it instead of a window.
struct PromptRequest {
  enum class Type { Message, Question, OpenFile, SaveFile } type = Type::Message;
  MessageKind kind = MessageKind::Information;
  QString text;            // message or question; dialog title for files
  bool withCancel = false; // questions
  QString startPath;       // file dialogs
  QString filter;
};
struct PromptReply {
  Answer answer = Answer::Ok;
  std::optional<FileChoice> file;  // file dialogs: empty means cancelled
};
using PromptHandler = std::function<PromptReply(const PromptRequest&)>;
// With a handler set, no box or dialog is shown; an empty handler restores
// the real windows.
void setPromptHandler(PromptHandler handler);

// Converts "Name (*.ext)|*.ext|..." into the Qt form "Name (*.ext);;...".
QString qtFileFilter(const QString& filter);

}  // namespace murena::ui
