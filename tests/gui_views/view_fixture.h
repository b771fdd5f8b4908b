#pragma once
// A host with an example project open (with its stored results) for the
// model-view window tests, recording the messages shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/ui/bare_host.h"
#include "frontend/views/ui/model_views.h"
#include "tests/gui_support/example_project.h"

namespace murena::testing_support {

class ViewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::setPromptHandler([this](const ui::PromptRequest& r) {
      ui::PromptReply reply;
      if (r.type == ui::PromptRequest::Type::Message) messages.push_back(r.text);
      if (r.type == ui::PromptRequest::Type::SaveFile && !saveAs.empty())
        reply.file = ui::FileChoice{QString::fromStdString(saveAs), saveFilter};
      return reply;
    });
    host = std::make_unique<BareHost>();
    host->resize(1200, 900);
  }
  void TearDown() override {
    host.reset();
    ui::setPromptHandler({});
  }
  // Opens an example with its results and shows the host.
  void open(const std::string& name) {
    example = std::make_unique<ExampleProject>(name);
    ASSERT_EQ(host->openProject(example->dataFile()), "");
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
  }
  static void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  QMdiSubWindow* frameOf(QWidget* child) { return qobject_cast<QMdiSubWindow*>(child->parentWidget()); }

  std::unique_ptr<BareHost> host;
  std::unique_ptr<ExampleProject> example;
  std::vector<QString> messages;
  std::string saveAs;
  int saveFilter = 1;
};

}  // namespace murena::testing_support
