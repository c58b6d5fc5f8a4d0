#include "report_result.h"

#include <gtest/gtest.h>

#include <limits>

#include "fake_calc_window.h"

namespace calc {
namespace {

using testing::FakeCalcWindow;

TEST(OperationNames, TableEntries) {
  const char* const names[] = {"sin", "cos", "tan", "atan", "ln",  "exp", "sqrt", "sqr",
                               "1/",  "^",   "*",   "/",    "+",   "-",   "artG"};
  for (int code = 1; code <= 15; ++code) {
    EXPECT_EQ(OperationNames[code], names[code - 1]);
    EXPECT_LE(OperationNames[code].size(), 5U);
  }
}

TEST(ReportResult, LabelsForBothActiveRegisters) {
  struct Case {
    OperationCode code;
    const char* xActive;
    const char* yActive;
  };
  const Case cases[] = {
      {OpSin, "sin(x)=", "sin(y)="},     {OpCos, "cos(x)=", "cos(y)="},     {OpTan, "tan(x)=", "tan(y)="},
      {OpAtan, "atan(x)=", "atan(y)="},  {OpLn, "ln(x)=", "ln(y)="},        {OpExp, "exp(x)=", "exp(y)="},
      {OpSqrt, "sqrt(x)=", "sqrt(y)="},  {OpSqr, "sqr(x)=", "sqr(y)="},     {OpRecip, "(1/x)=", "(1/y)="},
      {OpPower, "y^x=", "x^y="},         {OpMul, "y*x=", "x*y="},           {OpDiv, "y/x=", "x/y="},
      {OpAdd, "y+x=", "x+y="},           {OpSub, "y-x=", "x-y="},           {OpAtan2, "artG(y/x)=", "artG(x/y)="},
  };
  for (const Case& c : cases) {
    FakeCalcWindow window;
    Calculator calc{window};
    ReportResult(calc, c.code, 0.0L);
    calc.ActiveIsX = false;
    ReportResult(calc, c.code, 0.0L);
    const std::vector<std::string> journal = {std::string(c.xActive) + "0.0 --> x", std::string(c.yActive) + "0.0 --> y"};
    EXPECT_EQ(window.Journal(), journal);
  }
}

TEST(ReportResult, WritesTheRegisterThenAppendsTheLine) {
  FakeCalcWindow window;
  window.Type(Register::X, "x");
  window.Type(Register::Y, "0");
  Calculator calc{window};
  calc.ActiveIsX = false;
  ReportResult(calc, OpAdd, 123456.789L);
  ReportResult(calc, OpSqr, 0.0025L);
  ReportResult(calc, OpSqrt, std::numeric_limits<long double>::infinity());
  const std::vector<std::string> expected = {
      "SetRegisterText(Y, 123456.789000000000)",
      "AppendJournalLine(x+y=123456.789000000000 --> y)",
      "SetRegisterText(Y,  2.50000000000E-03)",
      "AppendJournalLine(sqr(y)= 2.50000000000E-03 --> y)",
      "SetRegisterText(Y,                 +Inf)",
      "AppendJournalLine(sqrt(y)=                +Inf --> y)",
  };
  EXPECT_EQ(window.Calls(), expected);
  EXPECT_EQ(window.Text(Register::X), "x");
}

}  // namespace
}  // namespace calc
