#pragma once
// A host with an example project for the data-entry window tests; message
// boxes and file dialogs are answered by a handler that records them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>

#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/prompts.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/bare_host.h"
#include "tests/gui_support/example_project.h"

namespace murena::testing_support {

class EntryWindowTest : public ::testing::Test {
 protected:
  explicit EntryWindowTest(const std::string& example = "anchored_soft_over_stiff_clay_english")
      : example_(example) {}

  void SetUp() override {
    ui::setPromptHandler([this](const ui::PromptRequest& request) {
      prompts.push_back(request);
      ui::PromptReply reply;
      if (request.type == ui::PromptRequest::Type::OpenFile) reply.file = nextFile;
      return reply;
    });
    host = std::make_unique<BareHost>();
    host->resize(1400, 1000);
    host->show();
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    ASSERT_EQ(host->openProject(example_.dataFile()), "");
  }

  void TearDown() override {
    host.reset();
    ui::setPromptHandler({});
  }

  TProject& project() { return host->project(); }
  TProjectTables& tables() { return host->project().tables(); }

  // The texts of the message boxes shown so far.
  QStringList messages() const {
    QStringList texts;
    for (const ui::PromptRequest& r : prompts)
      if (r.type == ui::PromptRequest::Type::Message) texts << r.text;
    return texts;
  }

  static void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  // Clicks a widget as the user would: the focus moves there and its window
  // becomes the active one.
  static void clickOn(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
    settle();
  }

  QMdiSubWindow* frameOf(QWidget* widget) const { return ui::enclosingSubWindow(widget); }

  ExampleProject example_;
  std::unique_ptr<BareHost> host;
  std::vector<ui::PromptRequest> prompts;
  std::optional<ui::FileChoice> nextFile;  // answer of the next file dialog
};

}  // namespace murena::testing_support
