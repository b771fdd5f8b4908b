#pragma once
// The window tests of the result graphs: a bare host with an example
// opened (its stored results loaded), prompts answered without windows, and
// helpers for the graph windows and modal dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <memory>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/ui/bare_host.h"
#include "frontend/results/ui/plot_form.h"
#include "frontend/results/ui/plot_windows.h"
#include "tests/gui_support/example_project.h"

namespace murena::testing_support {

class ResultWindowTest : public ::testing::Test {
 protected:
  void open(const std::string& example) {
    project = std::make_unique<ExampleProject>(example);
    host = std::make_unique<BareHost>();
    host->resize(1000, 700);
    host->show();
    ASSERT_EQ(host->openProject(project->dataFile()), "");
    ASSERT_TRUE(host->resultsLoaded());
  }
  void SetUp() override {
    ui::setPromptHandler([this](const ui::PromptRequest& r) {
      prompts.push_back(r);
      ui::PromptReply reply;
      reply.answer = answer;
      if (r.type == ui::PromptRequest::Type::SaveFile || r.type == ui::PromptRequest::Type::OpenFile) {
        if (!files.empty()) {
          reply.file = files.front();
          files.erase(files.begin());
        }
      }
      return reply;
    });
  }
  void TearDown() override {
    host.reset();
    ui::setPromptHandler({});
  }

  ui::TPlotForm* show(TGraphPlot& graph) {
    host->plotWindows().show(graph);
    settle();
    return qobject_cast<ui::TPlotForm*>(host->plotWindows().windowOf(graph));
  }
  static void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  // Runs `act` on the next modal dialog as soon as it shows, then accepts it.
  template <class Dialog>
  static void onNextDialog(std::function<void(Dialog&)> act, bool accept = true) {
    QTimer::singleShot(0, [act, accept] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      act(*dialog);
      if (accept)
        dialog->accept();
      else
        dialog->reject();
    });
  }
  // The Plot menu's action with the text, searched in submenus too.
  static QAction* action(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions()) {
      if (a->text() == text) return a;
      if (a->menu())
        if (QAction* found = action(a->menu(), text)) return found;
    }
    return nullptr;
  }
  static QStringList curveItems(ui::TPlotForm& form) {
    QStringList out;
    bool afterSave = false;
    for (QAction* a : form.plotMenu()->actions()) {
      if (a->text() == QStringLiteral("&Copy to Clipboard")) afterSave = true;
      else if (afterSave && !a->isSeparator()) out << a->text();
    }
    return out;
  }
  QStringList messages() const {
    QStringList out;
    for (const ui::PromptRequest& r : prompts)
      if (r.type == ui::PromptRequest::Type::Message) out << r.text;
    return out;
  }

  std::unique_ptr<ExampleProject> project;
  std::unique_ptr<BareHost> host;
  std::vector<ui::PromptRequest> prompts;
  std::vector<ui::FileChoice> files;
  ui::Answer answer = ui::Answer::Yes;
};

}  // namespace murena::testing_support
