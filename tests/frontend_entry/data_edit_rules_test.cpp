#include "frontend/entry/data_edit_rules.h"

#include <gtest/gtest.h>

#include "frontend/entry/entry_errors.h"

namespace murena {
namespace {

std::string checkMessage(TDataEditRules& field) {
  try {
    field.check();
  } catch (const EntryError& e) {
    return e.message();
  }
  return {};
}

// Entries in turn into one field limited to 1..300: a calculation shows its
// value; a value beyond a limit is refused and the field moves onto the limit.
TEST(DataEditRules, EntriesWithinAndBeyondTheLimits) {
  struct Case {
    const char* entry;
    const char* message;
    const char* shown;
  };
  const Case cases[] = {
      {"3*100", "", "300"},
      {"301", "Entry must be less than or equal to 300", "300"},
      {"0.5", "Entry must be greater than or equal to 1", "1"},
  };
  TDataEditRules field;
  field.setMinVal(1);
  field.setMaxVal(300);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    field.setText(c.entry);
    EXPECT_EQ(checkMessage(field), c.message);
    EXPECT_EQ(field.valid(), std::string(c.message).empty());
    EXPECT_EQ(field.text(), c.shown);
  }
}

TEST(DataEditRules, CalculationShowsItsShortestText) {
  TDataEditRules plain;
  plain.setText("0.1+0.2");
  EXPECT_EQ(checkMessage(plain), "");
  EXPECT_EQ(plain.text(), "0.3");  // not 0.30000000000000004
}

TEST(DataEditRules, IntegerOnlyMessages) {
  TDataEditRules field;
  field.setIntegerOnly(true);
  field.setText("2.5");
  EXPECT_EQ(checkMessage(field), "Entry must be an integer.");
  field.setText("2+");
  EXPECT_EQ(checkMessage(field), "Entry must be a valid integer.");
  field.setText("7");
  EXPECT_EQ(checkMessage(field), "");
  EXPECT_EQ(field.minVal(), -2147483648.0);
  EXPECT_EQ(field.maxVal(), 2147483647.0);
}

TEST(DataEditRules, EvaluatorMessageForRealField) {
  TDataEditRules field;
  field.setText("");
  EXPECT_EQ(checkMessage(field), "Entry could not be evaluated:\nentry cannot be blank");
  EXPECT_FALSE(field.valid());
}

TEST(DataEditRules, LimitsAdjustEachOtherAndTheValue) {
  TDataEditRules field;
  field.setNumber(50);
  field.setMaxVal(10);
  EXPECT_EQ(field.text(), "10");
  field.setMinVal(20);  // above the maximum: lowered to it
  EXPECT_EQ(field.minVal(), 10);
  field.setMaxVal(5);   // below the minimum: raised to it
  EXPECT_EQ(field.maxVal(), 10);

  TDataEditRules loading;
  loading.setLoading(true);
  loading.setMaxVal(5);
  loading.setMinVal(20);
  EXPECT_EQ(loading.minVal(), 20);
  EXPECT_EQ(loading.maxVal(), 5);
}

TEST(DataEditRules, NumberClampsAndHexShows) {
  TDataEditRules field;
  field.setMinVal(0);
  field.setMaxVal(100);
  field.setNumber(250);
  EXPECT_EQ(field.number(), 100);
  field.setHex(true);
  field.setMaxVal(1000);
  field.setNumber(255);
  EXPECT_EQ(field.text(), "$00FF");
  EXPECT_EQ(field.number(), 255);
}

TEST(DataEditRules, LabelShowsRenderedUnits) {
  TDataEditRules field;
  field.setCaption("Free Height");
  EXPECT_EQ(field.labelText(), "Free Height");
  field.setUnitsString("L2");
  EXPECT_EQ(field.labelText(), "Free Height (ft)");
  field.setUnits(2);
  EXPECT_EQ(field.labelText(), "Free Height (m)");
  field.setUnits(9);
  EXPECT_EQ(field.units(), 3);
}

TEST(DataEditRules, OperatorsExtendSelectedValue) {
  for (char c : std::string("+-/*^=%!")) EXPECT_TRUE(TDataEditRules::extendsValue(c)) << c;
  EXPECT_FALSE(TDataEditRules::extendsValue('5'));
  EXPECT_FALSE(TDataEditRules::extendsValue('('));
}

}  // namespace
}  // namespace murena
