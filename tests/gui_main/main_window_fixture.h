#pragma once
// The real main window on the offscreen platform, with its own settings
// folder, message boxes and file dialogs answered by the test, the engine
// library of the build, and the desktop's document opener recorded.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTimer>
#include <QTest>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/ui/main_window.h"
#include "tests/support/scratch_folder.h"

namespace murena::testing_support {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : folder("murena_gui_main"), startFolder(std::filesystem::current_path()) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((folder.path() / "settings").string()));
    ui::setPromptHandler([this](const ui::PromptRequest& r) { return answer(r); });
  }
  ~MainWindowTest() override {
    window.reset();
    ui::setPromptHandler({});
    std::error_code ignored;
    std::filesystem::current_path(startFolder, ignored);
  }

  // Creates the window (after the test has prepared the settings).
  MainWindow& open() {
    window = std::make_unique<MainWindow>();
    window->setEngineLibrary(QStringLiteral(MURENA_BIN_DIR "/Murena2015_DLL.so"));
    window->setDesktopOpener([this](const QString& file) {
      desktopOpened << file;
      return desktopOpens;
    });
    window->show();
    return *window;
  }

  ui::PromptReply answer(const ui::PromptRequest& r) {
    using T = ui::PromptRequest::Type;
    ui::PromptReply reply;
    switch (r.type) {
      case T::Message: messages.push_back(r.text.toStdString()); break;
      case T::Question:
        questions.push_back(r.text.toStdString());
        reply.answer = answers.empty() ? ui::Answer::No : answers.front();
        if (!answers.empty()) answers.pop_front();
        break;
      case T::OpenFile:
      case T::SaveFile:
        fileDialogs.push_back(r.text.toStdString());
        if (!files.empty()) {
          if (!files.front().empty()) reply.file = ui::FileChoice{QString::fromStdString(files.front()), 1};
          files.pop_front();
        }
        break;
    }
    return reply;
  }

  // A copy of an example data file in the test's folder (under another name when given).
  std::string example(const std::string& name, const std::string& as = {}) {
    const std::filesystem::path to = folder.path() / (as.empty() ? name + ".mr5d" : as);
    std::filesystem::copy_file(std::filesystem::path(MURENA_SOURCE_DIR) / "examples" / (name + ".mr5d"), to,
                               std::filesystem::copy_options::overwrite_existing);
    return to.string();
  }
  // Chooses a menu item or tool button as the user does.
  void trigger(Command command) {
    QAction* a = window->action(command);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isEnabled()) << a->text().toStdString();
    a->trigger();
  }
  bool enabled(Command command) {
    window->refreshCommands();
    return window->action(command)->isEnabled();
  }
  // File, Open with the open dialog answering `path`.
  void openWithDialog(const std::string& path) {
    files.push_back(path);
    trigger(Command::FileOpen);
  }
  std::string fileName() { return window->project().data().FileName; }
  static std::string beside(const std::string& file, const char* extension) {
    return std::filesystem::path(file).replace_extension(extension).string();
  }

  ScratchFolder folder;
  std::filesystem::path startFolder;
  std::unique_ptr<MainWindow> window;
  std::vector<std::string> messages, questions, fileDialogs;
  std::deque<ui::Answer> answers;
  std::deque<std::string> files;  // "" answers Cancel
  QStringList desktopOpened;
  bool desktopOpens = true;
};

}  // namespace murena::testing_support
