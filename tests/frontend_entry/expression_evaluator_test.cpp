#include "frontend/entry/expression_evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frontend/entry/entry_errors.h"

#include "tests/support/test_names.h"

namespace murena {
namespace {

struct ValueCase {
  const char* entry;
  double expected;
};

class EvaluatorValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatorValue, Evaluates) {
  const ValueCase& c = GetParam();
  EXPECT_NEAR(evaluateExpression(c.entry), c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << c.entry;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatorValue,
    ::testing::Values(ValueCase{"2^3", 8}, ValueCase{"2^3^2", 64},  // power left to right
                      ValueCase{"-2^2", 4},                         // the sign belongs to the operand
                      ValueCase{"10%3", 1}, ValueCase{"10.9%3.9", 1}, ValueCase{"7/2", 3.5},
                      ValueCase{"3!", 6}, ValueCase{"-3!", -6}, ValueCase{"0!", 1}, ValueCase{"(2+1)!", 6},
                      ValueCase{"$FF", 255}, ValueCase{"$ff", 255}, ValueCase{"PI", M_PI}, ValueCase{"-pi", -M_PI},
                      ValueCase{"e", M_E}, ValueCase{"2*e-1", 2 * M_E - 1}, ValueCase{"1+2*3", 7},
                      ValueCase{"(1+2)*3", 9}, ValueCase{"2*(3+(4-1))", 12}, ValueCase{"12*3.5", 42},
                      ValueCase{" 1 +\t2 ", 3}, ValueCase{"sqrt(2)/2", std::sqrt(2.0) / 2},
                      ValueCase{"SQRT(16)", 4}, ValueCase{"sin(-0.5)", std::sin(-0.5)},
                      ValueCase{"arctanh(0.5)", std::atanh(0.5)}, ValueCase{"arctan(1)", std::atan(1.0)},
                      ValueCase{"tanh(1)", std::tanh(1.0)}, ValueCase{"cotan(1)", 1 / std::tan(1.0)},
                      ValueCase{"sec(1)", 1 / std::cos(1.0)}, ValueCase{"csc(1)", 1 / std::sin(1.0)},
                      ValueCase{"cosh(1)", std::cosh(1.0)}, ValueCase{"arccos(0.5)", std::acos(0.5)},
                      ValueCase{"abs(-3)", 3}, ValueCase{"frac(2.75)", 0.75}, ValueCase{"int(-2.75)", -2},
                      ValueCase{"round(2.4)", 2}, ValueCase{"ceil(2.1)", 3}, ValueCase{"floor(-2.1)", -3},
                      ValueCase{"ln(e)", 1}, ValueCase{"log(1000)", 3}, ValueCase{"2-(-3)", 5},
                      ValueCase{"2---3", -1}, ValueCase{"-(4)", -4}, ValueCase{"-sqrt(4)", -2},
                      ValueCase{"1E-5", 1e-5}, ValueCase{"(0.00001)*2", 2e-5}, ValueCase{"2.5e+3", 2500},
                      ValueCase{"sqrt(0.0001)", 0.01}, ValueCase{"sqrt(1/400000000)", 0.00005},
                      ValueCase{"$1E-5", 25}, ValueCase{"2^-2", 0.25},
                      ValueCase{"1&0", 0}, ValueCase{"2&3", 1}, ValueCase{"0|0", 0}, ValueCase{"0|5", 1},
                      ValueCase{"2=2", 1}, ValueCase{"1+1=2", 1}, ValueCase{"2=3", 0}, ValueCase{"3*100", 300}),
    [](const auto& info) { return murena::testing_support::readableTestName(info.param.entry); });

struct FailureCase {
  const char* entry;
  const char* reason;
};

class EvaluatorFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EvaluatorFailure, GivesMessage) {
  const FailureCase& c = GetParam();
  try {
    evaluateExpression(c.entry);
    FAIL() << c.entry << " evaluated";
  } catch (const EntryError& e) {
    EXPECT_EQ(e.message(), std::string("Entry could not be evaluated:\n") + c.reason) << c.entry;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatorFailure,
    ::testing::Values(FailureCase{"", "entry cannot be blank"}, FailureCase{" \t ", "entry cannot be blank"},
                      FailureCase{"2*", "invalid expression"}, FailureCase{"*2", "invalid expression"},
                      FailureCase{"2**3", "invalid expression"},
                      FailureCase{"(2+3", "invalid character(s) in expression"},  // unmatched "(" stays
                      FailureCase{"2+3)", "() (parentheses) do not match"},
                      FailureCase{")(", "() (parentheses) do not match"},
                      FailureCase{"2.5!", "! (factoral) applicable to integers only"},
                      FailureCase{"$FG", "invalid use of $ (hex function)"},
                      FailureCase{"$", "invalid use of $ (hex function)"},
                      FailureCase{"12abc", "invalid character(s) in expression"},
                      FailureCase{"1,5", "invalid character(s) in expression"},
                      FailureCase{"inf", "invalid character(s) in expression"},
                      FailureCase{"1/0", "invalid expression"}, FailureCase{"5%0", "invalid expression"},
                      FailureCase{"sqrt(-1)", "invalid expression"}, FailureCase{"ln(0)", "invalid expression"},
                      FailureCase{"10^400", "invalid expression"}, FailureCase{"200!", "invalid expression"},
                      FailureCase{"1E999!", "invalid expression"}),
    [](const auto& info) { return murena::testing_support::readableTestName(info.param.entry) + "_" + std::to_string(info.index); });

TEST(Evaluator, IntermediatesCarryEighteenDigits) {
  // 1/3 is carried as 0.333333333333333333, so three times it is not 1.
  EXPECT_NE(evaluateExpressionExtended("(1/3)*3"), 1.0L);
  EXPECT_NEAR(evaluateExpression("(1/3)*3"), 1.0, 1e-15);
}

TEST(Evaluator, MalformedTextNeverHangs) {
  const std::string deep(5000, '(');
  EXPECT_THROW(evaluateExpression(deep + "1"), EntryError);
  std::string nested;
  for (int i = 0; i < 2000; ++i) nested += "sqrt";
  EXPECT_THROW(evaluateExpression(nested + "4"), EntryError);
  EXPECT_EQ(evaluateExpression(std::string(2000, '(') + "2" + std::string(2000, ')')), 2.0);
}

// Entries of 200 KB were once evaluated in time growing with the square of
// their length (3 s); every pass is now linear (see the evaluator benchmark).
TEST(Evaluator, LongEntriesEvaluate) {
  std::string sum = "1";
  std::string groups = "(1)";
  std::string powers = "2";
  for (int i = 0; i < 100000; ++i) {
    sum += "+1";
    groups += "+(1)";
    powers += i % 2 == 0 ? "*1E-0" : "/1E+0";
  }
  EXPECT_EQ(evaluateExpression(sum), 100001.0);
  EXPECT_EQ(evaluateExpression(groups), 100001.0);
  EXPECT_EQ(evaluateExpression(powers), 2.0);
  // Long runs of signs and of operators.
  EXPECT_EQ(evaluateExpression(std::string(100000, '-') + "3"), 3.0);
  EXPECT_EQ(evaluateExpression("2*" + std::string(99999, '-') + "3"), -6.0);
  EXPECT_THROW(evaluateExpression("3" + std::string(100000, '*') + "2"), EntryError);
}

}  // namespace
}  // namespace murena
