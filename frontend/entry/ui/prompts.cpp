#include "frontend/entry/ui/prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace murena::ui {

namespace {

PromptHandler& handler() {
  static PromptHandler h;
  return h;
}

QMessageBox::Icon iconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
    case MessageKind::Information: break;
  }
  return QMessageBox::Information;
}

}  // namespace

void setPromptHandler(PromptHandler h) { handler() = std::move(h); }

void showMessage(QWidget* parent, MessageKind kind, const QString& text) {
  if (handler()) {
    handler()(PromptRequest{PromptRequest::Type::Message, kind, text, false, {}, {}});
    return;
  }
  QMessageBox box(iconOf(kind), kApplicationTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

Answer askQuestion(QWidget* parent, const QString& text, bool withCancel) {
  if (handler())
    return handler()(PromptRequest{PromptRequest::Type::Question, MessageKind::Confirmation, text, withCancel, {}, {}})
        .answer;
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  QMessageBox box(QMessageBox::Question, kApplicationTitle, text, buttons, parent);
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;
  }
}

QString qtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
    // The name already shows the patterns ("Text Files (*.txt)"): Qt reads
    // the patterns from the last parentheses, so give it the real ones.
    const int open = name.lastIndexOf(QLatin1Char('('));
    if (open >= 0) name = name.left(open).trimmed();
    entries << QStringLiteral("%1 (%2)").arg(name, patterns);
  }
  return entries.join(QStringLiteral(";;"));
}

namespace {

int indexOfFilter(const QString& qtFilter, const QString& selected) {
  const int i = static_cast<int>(qtFilter.split(QStringLiteral(";;")).indexOf(selected));
  return i < 0 ? 1 : i + 1;
}

QString filterAt(const QString& qtFilter, int index) {
  const QStringList all = qtFilter.split(QStringLiteral(";;"));
  return (index >= 1 && index <= all.size()) ? all[index - 1] : QString();
}

}  // namespace

std::optional<FileChoice> askOpenFile(QWidget* parent, const QString& title, const QString& startPath,
                                      const QString& filter, int filterIndex) {
  if (handler())
    return handler()(PromptRequest{PromptRequest::Type::OpenFile, MessageKind::Information, title, false,
                                   startPath, filter})
        .file;
  const QString qtFilter = qtFileFilter(filter);
  QFileDialog dialog(parent, title, startPath, qtFilter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.selectNameFilter(filterAt(qtFilter, filterIndex));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileChoice{dialog.selectedFiles().front(), indexOfFilter(qtFilter, dialog.selectedNameFilter())};
}

std::optional<FileChoice> askSaveFile(QWidget* parent, const QString& title, const QString& startPath,
                                      const QString& filter, const QString& defaultSuffix) {
  if (handler())
    return handler()(PromptRequest{PromptRequest::Type::SaveFile, MessageKind::Information, title, false,
                                   startPath, filter})
        .file;
  const QString qtFilter = qtFileFilter(filter);
  QFileDialog dialog(parent, title, startPath, qtFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileChoice{dialog.selectedFiles().front(), indexOfFilter(qtFilter, dialog.selectedNameFilter())};
}

}  // namespace murena::ui
