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

TEST(DataEditRules, AcceptsCalculationWithinLimitsAndShowsCanonicalText) {
  TDataEditRules field;
  field.setMinVal(1);
  field.setMaxVal(300);
  field.setText("3*100");
  EXPECT_EQ(checkMessage(field), "");
  EXPECT_TRUE(field.valid());
  EXPECT_EQ(field.text(), "300");
  TDataEditRules plain;
  plain.setText("0.1+0.2");
  plain.check();
  EXPECT_EQ(plain.text(), "0.3");  // not 0.30000000000000004
}

TEST(DataEditRules, LimitViolationMovesFieldOntoLimit) {
  TDataEditRules field;
  field.setMinVal(1);
  field.setMaxVal(300);
  field.setText("301");
  EXPECT_EQ(checkMessage(field), "Entry must be less than or equal to 300");
  EXPECT_FALSE(field.valid());
  EXPECT_EQ(field.text(), "300");
  field.setText("0.5");
  EXPECT_EQ(checkMessage(field), "Entry must be greater than or equal to 1");
  EXPECT_EQ(field.text(), "1");
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
