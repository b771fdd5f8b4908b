#include "frontend/entry/ui/text_dialogs.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/prompts.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena::ui {

namespace {

// One line without line breaks (a pasted text may carry them).
QString singleLine(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

}  // namespace

// ---------------------------------------------------------------- Project Title

TitleDialog::TitleDialog(MainWindowHost& host, QWidget* parent)
    : DataDialogWindow(host, DataDialogs::caption(DataDialog::Title), parent), title_(new QLineEdit(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* label = new QLabel(QStringLiteral("Enter text line for project description:"), this);
  label->setBuddy(title_);
  title_->setObjectName(QStringLiteral("Title"));
  title_->setMaxLength(kMaxTitleLength);
  // Wide enough for a whole title of average letters.
  title_->setMinimumWidth(title_->fontMetrics().averageCharWidth() * (kMaxTitleLength + 4));
  layout->addWidget(label);
  layout->addWidget(title_);
}

void TitleDialog::loadFromProject() {
  title_->setText(QString::fromStdString(project().data().Title));
  title_->setCursorPosition(0);  // a title wider than the field shows its start
}

void TitleDialog::writeBack() {
  // A longer title read from a file is shown cut to 80 characters; it is
  // kept whole unless the user edits it.
  if (!title_->isModified()) return;
  const std::string text = singleLine(title_->text()).left(kMaxTitleLength).toStdString();
  if (text == project().data().Title) return;
  project().data().Title = text;
  edited();
}

// ------------------------------------------------------------- Control Options

ControlOptionsDialog::ControlOptionsDialog(MainWindowHost& host, QWidget* parent)
    : DataDialogWindow(host, DataDialogs::caption(DataDialog::ControlOptions), parent),
      editor_(new QLineEdit(this)),
      browse_(new QPushButton(QStringLiteral("&Browse..."), this)) {
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
  label->setBuddy(editor_);
  editor_->setObjectName(QStringLiteral("TextEditor"));
  editor_->setMinimumWidth(editor_->fontMetrics().averageCharWidth() * 48);
  browse_->setObjectName(QStringLiteral("Browse"));
  layout->addWidget(label, 0, 0);
  layout->addWidget(editor_, 0, 1);
  layout->addWidget(browse_, 0, 2);
  connect(browse_, &QPushButton::clicked, this, &ControlOptionsDialog::browse);
}

void ControlOptionsDialog::loadFromProject() { editor_->setText(host().textEditorPath()); }

void ControlOptionsDialog::writeBack() {
  if (editor_->text() != host().textEditorPath()) host().setTextEditorPath(editor_->text());
}

void ControlOptionsDialog::browse() {
  // Any executable file serves as the editor on Linux (no extension marks programs).
  const auto choice = askOpenFile(this, QStringLiteral("Text Editor"), editor_->text(),
                                  QStringLiteral("Programs|*|All Files (*.*)|*.*"));
  if (!choice) return;
  const QFileInfo file(choice->path);
  if (!file.isFile() || !file.isExecutable()) {
    showInformation(this, choice->path + QStringLiteral(" is not a program that can be run."));
    return;
  }
  editor_->setText(choice->path);
  writeBack();  // the dialog lost the activation to the file dialog already
}

}  // namespace murena::ui
