#include "binary_operations.h"

#include <gtest/gtest.h>

#include "operand_pair.h"
#include "operation_table.h"

namespace calc {
namespace {

using namespace calc::testing;

constexpr Register X = Register::X;
constexpr Register Y = Register::Y;

// A is the other register, B the active one; the label names A first.
TEST(BinaryOperations, WorkedValuesRefusalsAndFaults) {
  const OperationRow rows[] = {
      // X = 2, Y = 3 with either register active.
      {"+", AddOperands, Radians, X, "2", "3", Shows{"y+x=5.000000000000 --> x"}},
      {"-", SubtractOperands, Radians, X, "2", "3", Shows{"y-x=1.000000000000 --> x"}},
      {"*", MultiplyOperands, Radians, X, "2", "3", Shows{"y*x=6.000000000000 --> x"}},
      {"/", DivideOperands, Radians, X, "2", "3", Shows{"y/x=1.500000000000 --> x"}},
      {"^", PowerOperands, Radians, X, "2", "3", Shows{"y^x=9.000000000000 --> x"}},
      {"artG", Atan2Operands, Radians, X, "2", "3", Shows{"artG(y/x)=0.982793723247 --> x"}},
      {"artG", Atan2Operands, Degrees, X, "2", "3", Shows{"artG(y/x)=56.309932474020 --> x"}},
      {"-", SubtractOperands, Radians, Y, "2", "3", Shows{"x-y=-1.000000000000 --> y"}},
      {"/", DivideOperands, Radians, Y, "2", "3", Shows{"x/y=0.666666666667 --> y"}},
      {"^", PowerOperands, Radians, Y, "2", "3", Shows{"x^y=8.000000000000 --> y"}},
      {"+", AddOperands, Radians, Y, "0", "123456.789", Shows{"x+y=123456.789000000000 --> y"}},
      {"+", AddOperands, Radians, X, "0", "-2.5e300", Shows{"y+x=-2.50000000000E+0300 --> x"}},
      {"-", SubtractOperands, Radians, X, "5", "5", Shows{"y-x=0.0 --> x"}},

      // Multiplication: signs, the logarithm guard and the overflow it lets through.
      {"*", MultiplyOperands, Radians, X, "4", "-3", Shows{"y*x=-12.000000000000 --> x"}},
      {"*", MultiplyOperands, Radians, X, "-4", "-3", Shows{"y*x=12.000000000000 --> x"}},
      {"*", MultiplyOperands, Radians, X, "5", "-0", Shows{"y*x=0.0 --> x"}},
      {"*", MultiplyOperands, Radians, X, "1e2000", "1e2000", Shows{"y*x= 1.00000000000E+4000 --> x"}},
      {"*", MultiplyOperands, Radians, X, "1e4000", "1e4000", Refuses{NumberTooLarge}},
      {"*", MultiplyOperands, Radians, X, "1e2000", "1e3000", Faults{OverflowFault}},

      // Division: zero divisor first, then the guard.
      {"/", DivideOperands, Radians, X, "5", "0", Shows{"y/x=0.0 --> x"}},
      {"/", DivideOperands, Radians, X, "-4", "3", Shows{"y/x=-0.750000000000 --> x"}},
      {"/", DivideOperands, Radians, X, "0", "5", Refuses{DivisionByZero}},
      {"/", DivideOperands, Radians, X, "-0", "5", Refuses{DivisionByZero}},
      {"/", DivideOperands, Radians, X, "1e-4000", "1e4000", Refuses{NumberTooLarge}},
      {"/", DivideOperands, Radians, X, "1e-4950", "1", Refuses{NumberTooLarge}},  // below the floor
      {"/", DivideOperands, Radians, X, "1e4000", "1e4000", Shows{"y/x=1.000000000000 --> x"}},
      {"/", DivideOperands, Radians, X, "1e-3000", "1e2000", Faults{OverflowFault}},

      // Power: the refusal and rules 1 to 4.
      {"^", PowerOperands, Radians, X, "0", "0", Shows{"y^x=1.000000000000 --> x"}},
      {"^", PowerOperands, Radians, X, "2", "0", Shows{"y^x=0.0 --> x"}},
      {"^", PowerOperands, Radians, X, "-1", "0", Faults{ZeroDivideFault}},
      {"^", PowerOperands, Radians, X, "-0.5", "0", Faults{ZeroDivideFault}},
      {"^", PowerOperands, Radians, X, "2", "-2", Refuses{NegativePowerBase}},
      {"^", PowerOperands, Radians, X, "0", "-2", Refuses{NegativePowerBase}},
      {"^", PowerOperands, Radians, X, "-1", "-0", Faults{ZeroDivideFault}},  // minus zero is zero
      {"^", PowerOperands, Radians, X, "-2", "2", Shows{"y^x=0.250000000000 --> x"}},
      {"^", PowerOperands, Radians, X, "10", "2", Shows{"y^x=1024.000000000000 --> x"}},
      {"^", PowerOperands, Radians, X, "0.5", "2", Shows{"y^x=1.414213562373 --> x"}},
      {"^", PowerOperands, Radians, X, "4000", "10", Shows{"y^x= 1.00000000000E+4000 --> x"}},
      {"^", PowerOperands, Radians, X, "-4940", "10", Faults{OverflowFault}},
      {"^", PowerOperands, Radians, X, "5000", "10", Faults{OverflowFault}},
      {"^", PowerOperands, Radians, X, "-16384", "2", Faults{OverflowFault}},  // 2^16384 first
      {"^", PowerOperands, Radians, X, "1e4930", "1e4000", Faults{OverflowFault}},  // B × ln A
      {"^", PowerOperands, Radians, X, "1e10", "1.5", Faults{OverflowFault}},       // e^(B × ln A)
      {"^", PowerOperands, Radians, X, "-1e10", "1.5", Shows{"y^x=0.0 --> x"}},

      // Two-argument arc tangent: quadrants and zeros.
      {"artG", Atan2Operands, Radians, X, "0", "1", Shows{"artG(y/x)=1.570796326795 --> x"}},
      {"artG", Atan2Operands, Degrees, X, "0", "1", Shows{"artG(y/x)=90.000000000000 --> x"}},
      {"artG", Atan2Operands, Degrees, X, "-1", "0", Shows{"artG(y/x)=180.000000000000 --> x"}},
      {"artG", Atan2Operands, Radians, X, "-0", "0", Shows{"artG(y/x)=3.141592653590 --> x"}},
      {"artG", Atan2Operands, Radians, X, "0", "0", Shows{"artG(y/x)=0.0 --> x"}},
      {"artG", Atan2Operands, Radians, X, "-1", "-1", Shows{"artG(y/x)=-2.356194490192 --> x"}},
      {"artG", Atan2Operands, Degrees, X, "-1", "-1", Shows{"artG(y/x)=-135.000000000000 --> x"}},

      // Infinite operands.
      {"+", AddOperands, Radians, X, "1", "1e5120", Shows{"y+x=                +Inf --> x"}},
      {"-", SubtractOperands, Radians, X, "1e5120", "1", Shows{"y-x=                -Inf --> x"}},
      {"+", AddOperands, Radians, X, "1e5120", "1e5120", Shows{"y+x=                +Inf --> x"}},
      {"-", SubtractOperands, Radians, X, "1e5120", "-1e5120", Shows{"y-x=                -Inf --> x"}},
      {"+", AddOperands, Radians, X, "-1e5120", "1e5120", Faults{InvalidFault}},
      {"-", SubtractOperands, Radians, X, "1e5120", "1e5120", Faults{InvalidFault}},
      {"+", AddOperands, Radians, X, "1e4932", "1e4932", Faults{OverflowFault}},
      {"*", MultiplyOperands, Radians, X, "0", "1e5120", Refuses{NumberTooLarge}},
      {"/", DivideOperands, Radians, X, "0", "1e5120", Refuses{DivisionByZero}},
      {"/", DivideOperands, Radians, X, "2", "-1e5120", Refuses{NumberTooLarge}},
      {"/", DivideOperands, Radians, X, "-1e5120", "2", Shows{"y/x=0.0 --> x"}},
      {"/", DivideOperands, Radians, X, "1e5120", "1e5120", Faults{InvalidFault}},
      {"^", PowerOperands, Radians, X, "1e5120", "2", Faults{InvalidFault}},
      {"^", PowerOperands, Radians, X, "1e5120", "1", Faults{InvalidFault}},
      {"^", PowerOperands, Radians, X, "1e5120", "0", Shows{"y^x=0.0 --> x"}},
      {"^", PowerOperands, Radians, X, "-1e5120", "0", Faults{ZeroDivideFault}},
      {"^", PowerOperands, Radians, X, "0", "1e5120", Shows{"y^x=1.000000000000 --> x"}},
      {"^", PowerOperands, Radians, X, "3", "1e5120", Shows{"y^x=                +Inf --> x"}},
      {"^", PowerOperands, Radians, X, "-3", "1e5120", Shows{"y^x=0.0 --> x"}},
      {"^", PowerOperands, Radians, X, "0.5", "1e5120", Faults{InvalidFault}},
      {"^", PowerOperands, Radians, X, "3e9", "1e5120", Faults{InvalidFault}},
      {"^", PowerOperands, Radians, X, "2", "-1e5120", Refuses{NegativePowerBase}},
      {"artG", Atan2Operands, Radians, X, "1e5120", "1e5120", Shows{"artG(y/x)=0.785398163397 --> x"}},
      {"artG", Atan2Operands, Radians, X, "-1e5120", "1e5120", Shows{"artG(y/x)=2.356194490192 --> x"}},
      {"artG", Atan2Operands, Degrees, X, "5", "1e5120", Shows{"artG(y/x)=90.000000000000 --> x"}},
      {"artG", Atan2Operands, Radians, X, "1e5120", "1", Shows{"artG(y/x)=0.0 --> x"}},
      {"artG", Atan2Operands, Radians, X, "-1e5120", "1", Shows{"artG(y/x)=3.141592653590 --> x"}},
  };
  for (const OperationRow& row : rows) {
    SCOPED_TRACE(Describe(row));
    ExpectRow(row, Operands::Two);
  }
}

class OperandPair : public ::testing::Test {
 protected:
  FakeCalcWindow window;
  Calculator calc{window};
};

TEST_F(OperandPair, RefusedAMarksTheOtherRegisterAndKeepsTheActiveOne) {
  for (void (*operation)(Calculator&) : {AddOperands, SubtractOperands, MultiplyOperands,
                                          DivideOperands, PowerOperands, Atan2Operands}) {
    window.Type(Register::X, "2");
    window.Type(Register::Y, "abc");
    operation(calc);
    EXPECT_EQ(window.Text(Register::Y), "abc Błąd");
    EXPECT_EQ(window.Text(Register::X), "2");
    EXPECT_TRUE(calc.ActiveIsX);
  }
  EXPECT_TRUE(window.Journal().empty());
  EXPECT_EQ(window.Boxes().size(), 6U);
}

TEST_F(OperandPair, RefusedBKeepsTheEchoOfA) {
  window.Type(Register::X, "1 000");
  window.Type(Register::Y, "3");
  calc.ActiveIsX = false;
  window.Type(Register::Y, "1 000");
  window.Type(Register::X, "3");
  long double a = 0, b = 0;
  bool ok = true;
  ReadOperandPair(calc, a, b, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(a, 3.0L);
  EXPECT_EQ(window.Journal(), std::vector<std::string>{"x=3"});
  EXPECT_EQ(window.Text(Register::Y), "1 000 Błąd");
  EXPECT_FALSE(calc.ActiveIsX);
}

TEST_F(OperandPair, FaultWhileReadingARestoresTheActiveRegister) {
  window.Type(Register::X, "2");
  window.Type(Register::Y, "1e4933");
  EXPECT_THROW(MultiplyOperands(calc), ArithmeticFault);
  EXPECT_TRUE(calc.ActiveIsX);
  calc.ActiveIsX = false;
  window.Type(Register::X, "-2e4932");
  EXPECT_THROW(AddOperands(calc), ArithmeticFault);
  EXPECT_FALSE(calc.ActiveIsX);
  EXPECT_TRUE(window.Changes().empty()) << "no echo, no marker, no focus or colour change";
}

TEST_F(OperandPair, ReadsAFromTheOtherRegisterFirst) {
  window.Type(Register::X, "2,5");
  window.Type(Register::Y, "-7");
  long double a = 0, b = 0;
  bool ok = false;
  ReadOperandPair(calc, a, b, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(a, -7.0L);
  EXPECT_EQ(b, 2.5L);
  const std::vector<std::string> changes = {"AppendJournalLine(y=-7)", "AppendJournalLine(x=2.5)"};
  EXPECT_EQ(window.Changes(), changes) << "the flips move neither focus nor colours";
}

}  // namespace
}  // namespace calc
