// The Deformed Shape dialog on its own, and the 3D view without OpenGL.
#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

#include "frontend/views/ui/deformed_shape_dialog.h"
#include "frontend/views/ui/opengl_support.h"
#include "frontend/views/view_messages.h"
#include "tests/gui_views/view_fixture.h"

namespace murena {
namespace {

using ui::TDlgDeformedShape;

class DeformedShapeDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::setPromptHandler([this](const ui::PromptRequest& r) {
      messages.push_back(r.text);
      return ui::PromptReply{};
    });
    dialog = new TDlgDeformedShape(settings, [this] { ++changes; });
  }
  void TearDown() override {
    delete dialog.data();
    ui::setPromptHandler({});
  }
  views::DeformedShapeSettings settings;
  int changes = 0;
  QPointer<TDlgDeformedShape> dialog;
  std::vector<QString> messages;
};

TEST_F(DeformedShapeDialogTest, ShowsTheSettingsAndEnablesTheFactorOnlyWithTheDeformedShape) {
  EXPECT_EQ(dialog->windowTitle(), "Deformed Shape");
  EXPECT_EQ(dialog->showBox()->text().remove('&'), "Show Deformed Shape");
  EXPECT_EQ(dialog->undeformedBox()->text().remove('&'), "Show Undeformed Model");
  EXPECT_FALSE(dialog->showBox()->isChecked());
  EXPECT_EQ(dialog->factorEdit()->text(), "1");
  for (QWidget* w : std::initializer_list<QWidget*>{dialog->undeformedBox(), dialog->factorEdit(),
                                                    dialog->upButton(), dialog->downButton()})
    EXPECT_FALSE(w->isEnabled());
  dialog->showBox()->click();
  EXPECT_TRUE(settings.show);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(dialog->factorEdit()->isEnabled());
  EXPECT_TRUE(dialog->upButton()->isEnabled());
  dialog->undeformedBox()->click();
  EXPECT_TRUE(settings.undeformed);
  EXPECT_EQ(changes, 2);
}

TEST_F(DeformedShapeDialogTest, ArrowsStepTheLeadingDigitAndTypingStoresTheNumber) {
  dialog->showBox()->click();
  dialog->upButton()->click();
  EXPECT_EQ(settings.factor, 2);
  EXPECT_EQ(dialog->factorEdit()->text(), "2");
  dialog->downButton()->click();
  dialog->downButton()->click();
  EXPECT_DOUBLE_EQ(settings.factor, 0.9);
  EXPECT_EQ(dialog->factorEdit()->text(), "0.9");
  dialog->factorEdit()->setFocus();
  dialog->factorEdit()->selectAll();
  QTest::keyClicks(dialog->factorEdit(), "500");
  EXPECT_EQ(settings.factor, 500);
  QTest::keyClick(dialog->factorEdit(), Qt::Key_Up);
  EXPECT_EQ(settings.factor, 600);
  EXPECT_TRUE(messages.empty());
}

TEST_F(DeformedShapeDialogTest, TextThatIsNotANumberIsReportedAndTheFactorKept) {
  dialog->showBox()->click();
  dialog->factorEdit()->selectAll();
  QTest::keyClicks(dialog->factorEdit(), "5x");
  EXPECT_EQ(settings.factor, 5);  // "5" was a number on the way
  QTest::keyClick(dialog->factorEdit(), Qt::Key_Return);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "'5x' is not a valid floating point value");
  EXPECT_EQ(dialog->factorEdit()->text(), "5");
  EXPECT_EQ(settings.factor, 5);
}

class NoOpenGLTest : public testing_support::ViewWindowTest {
 protected:
  void TearDown() override {
    ui::setOpenGLProbe({});
    ViewWindowTest::TearDown();
  }
};

TEST_F(NoOpenGLTest, TheViewGivesAMessageAndTheRestKeepsWorking) {
  open("cantilever_sand_english");
  ui::setOpenGLProbe([] { return false; });
  host->modelViews().show3DView();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], QString::fromUtf8(views::kNoOpenGLMessage));
  EXPECT_EQ(host->modelViews().view3D(), nullptr);
  EXPECT_EQ(host->viewMenu(), nullptr);
  EXPECT_TRUE(host->viewToolButtons().isEmpty());
  host->modelViews().showSideView();
  EXPECT_NE(host->modelViews().sideView(), nullptr);
}

}  // namespace
}  // namespace murena
