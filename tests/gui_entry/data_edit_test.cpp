// TDataEdit: label with units, limits and integer checks with their
// messages, Enter, the operator that extends the value, the focus kept while
// the entry is invalid.
#include "frontend/entry/ui/data_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "frontend/entry/ui/prompts.h"

namespace murena::ui {
namespace {

class DataEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setPromptHandler([this](const PromptRequest& r) {
      messages << r.text;
      return PromptReply{};
    });
    auto* layout = new QVBoxLayout(&window);
    field = new TDataEdit(&window);
    other = new QLineEdit(&window);
    layout->addWidget(field->editLabel());
    layout->addWidget(field);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void TearDown() override { setPromptHandler({}); }

  // Types an entry into the field from a fresh start and presses a key.
  void enter(const QString& text, Qt::Key key = Qt::Key_Return) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, key);
  }

  QWidget window;
  TDataEdit* field = nullptr;
  QLineEdit* other = nullptr;
  QStringList messages;
};

TEST_F(DataEditTest, LabelShowsUnitsAndFollowsTheEnabledState) {
  field->setCaption(QStringLiteral("Increment &Length"));
  EXPECT_EQ(field->editLabel()->text(), QStringLiteral("Increment &Length"));
  field->setUnitsString(QStringLiteral("F/L2^3"));
  EXPECT_EQ(field->editLabel()->text(), QStringLiteral("Increment &Length (lbs/ft^3)"));
  field->setUnits(2);
  EXPECT_EQ(field->editLabel()->text(), QStringLiteral("Increment &Length (kN/m^3)"));
  field->setUnits(7);  // clamped to other units
  EXPECT_EQ(field->editLabel()->text(), QStringLiteral("Increment &Length (F/L^3)"));
  EXPECT_EQ(field->editLabel()->buddy(), field);
  window.setEnabled(false);
  EXPECT_FALSE(field->editLabel()->isEnabled());
  window.setEnabled(true);
  EXPECT_TRUE(field->editLabel()->isEnabled());
}

TEST_F(DataEditTest, EnterChecksCanonicalisesAndSelectsTheText) {
  field->setMinVal(1);
  field->setMaxVal(300);
  enter(QStringLiteral("3*100"));
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(field->text(), QStringLiteral("300"));
  EXPECT_EQ(field->selectedText(), QStringLiteral("300"));
  EXPECT_TRUE(field->isValid());
  EXPECT_DOUBLE_EQ(field->number(), 300);
}

TEST_F(DataEditTest, FailedChecksShowTheirMessages) {
  field->setIntegerOnly(true);
  field->setMinVal(1);
  field->setMaxVal(300);
  const struct {
    const char* typed;
    const char* message;
    const char* shown;
  } cases[] = {
      {"301", "Entry must be less than or equal to 300", "300"},
      {"0", "Entry must be greater than or equal to 1", "1"},
      {"2.5", "Entry must be an integer.", "2.5"},
      {"abc", "Entry must be a valid integer.", "abc"},
  };
  for (const auto& c : cases) {
    messages.clear();
    enter(QString::fromLatin1(c.typed));
    ASSERT_EQ(messages.size(), 1) << c.typed;
    EXPECT_EQ(messages.front(), QString::fromLatin1(c.message));
    EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
    EXPECT_FALSE(field->isValid());
    QApplication::processEvents();
  }
}

TEST_F(DataEditTest, OperatorTypedOverTheWholeTextExtendsTheValue) {
  field->setText(QStringLiteral("12"));
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, QStringLiteral("*3"));
  EXPECT_EQ(field->text(), QStringLiteral("12*3"));
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(field->text(), QStringLiteral("36"));
  // A digit still replaces the selected text.
  QTest::keyClicks(field, QStringLiteral("7"));
  EXPECT_EQ(field->text(), QStringLiteral("7"));
}

TEST_F(DataEditTest, InvalidEntryKeepsTheFocusWhenLeft) {
  field->setMaxVal(45);
  field->setFocus();
  QApplication::processEvents();
  field->selectAll();
  QTest::keyClicks(field, QStringLiteral("50"));
  QTest::mouseClick(other, Qt::LeftButton);
  ASSERT_EQ(messages, QStringList{QStringLiteral("Entry must be less than or equal to 45")});
  EXPECT_EQ(field->text(), QStringLiteral("45"));
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), field);
  // Now valid: leaving works without another message.
  QTest::mouseClick(other, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(QApplication::focusWidget(), other);
}

}  // namespace
}  // namespace murena::ui
