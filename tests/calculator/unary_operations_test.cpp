#include "unary_operations.h"

#include <gtest/gtest.h>

#include "operation_table.h"

namespace calc {
namespace {

using namespace calc::testing;

constexpr Register X = Register::X;
constexpr Register Y = Register::Y;

TEST(UnaryOperations, WorkedValuesRefusalsAndFaults) {
  const OperationRow rows[] = {
      // Each function's success; angles in both measures.
      {"sin", Sine, Radians, X, "1", "", Shows{"sin(x)=0.841470984808 --> x"}},
      {"sin", Sine, Degrees, X, "2.5", "", Shows{"sin(x)= 4.36193873653E-02 --> x"}},
      {"sin", Sine, Degrees, X, "180", "", Shows{"sin(x)=-5.01655761267E-20 --> x"}},
      {"sin", Sine, Degrees, X, "390", "", Shows{"sin(x)=0.500000000000 --> x"}},
      {"sin", Sine, Radians, X, "", "", Shows{"sin(x)=0.0 --> x"}},
      {"sin", Sine, Radians, Y, "1", "-1", Shows{"sin(y)=-0.841470984808 --> y"}},
      {"cos", Cosine, Radians, X, "", "", Shows{"cos(x)=1.000000000000 --> x"}},
      {"cos", Cosine, Degrees, X, "-60", "", Shows{"cos(x)=0.500000000000 --> x"}},
      {"tan", Tangent, Radians, X, "1", "", Shows{"tan(x)=1.557407724655 --> x"}},
      {"tan", Tangent, Degrees, X, "45", "", Shows{"tan(x)=1.000000000000 --> x"}},
      {"tan", Tangent, Degrees, X, "90", "", Shows{"tan(x)=-3.98679762981E+19 --> x"}},
      {"atan", ArcTangent, Radians, X, "1", "", Shows{"atan(x)=0.785398163397 --> x"}},
      {"atan", ArcTangent, Degrees, X, "1", "", Shows{"atan(x)=45.000000000000 --> x"}},
      {"atan", ArcTangent, 2, X, "1", "", Shows{"atan(x)=0.785398163397 --> x"}},  // not degrees
      {"ln", NaturalLogarithm, Radians, X, "2", "", Shows{"ln(x)=0.693147180560 --> x"}},
      {"ln", NaturalLogarithm, Radians, X, "1.1e-4950", "", Shows{"ln(x)=-11397.706772019633 --> x"}},
      {"exp", Exponential, Radians, X, "1", "", Shows{"exp(x)=2.718281828459 --> x"}},
      {"exp", Exponential, Radians, X, "11356.5", "", Shows{"exp(x)= 1.16220766207E+4932 --> x"}},
      {"exp", Exponential, Radians, X, "-20000", "", Shows{"exp(x)=0.0 --> x"}},
      {"sqrt", SquareRoot, Radians, X, "2", "", Shows{"sqrt(x)=1.414213562373 --> x"}},
      {"sqrt", SquareRoot, Radians, X, "-0", "", Shows{"sqrt(x)=0.0 --> x"}},
      {"sqr", Square, Radians, X, "0.05", "", Shows{"sqr(x)= 2.50000000000E-03 --> x"}},
      {"sqr", Square, Radians, X, "1e2460", "", Shows{"sqr(x)= 1.00000000000E+4920 --> x"}},
      {"sqr", Square, Radians, X, "-1e2460", "", Shows{"sqr(x)= 1.00000000000E+4920 --> x"}},
      {"1/", Reciprocal, Radians, X, "3", "", Shows{"(1/x)=0.333333333333 --> x"}},
      {"1/", Reciprocal, Radians, Y, "", "-4", Shows{"(1/y)=-0.250000000000 --> y"}},

      // Refusals, the first that holds.
      {"ln", NaturalLogarithm, Radians, X, "-1", "", Refuses{NegativeNumber}},
      {"ln", NaturalLogarithm, Radians, X, "", "", Refuses{NumberTooSmall}},
      {"ln", NaturalLogarithm, Radians, X, "-0", "", Refuses{NumberTooSmall}},
      {"ln", NaturalLogarithm, Radians, X, "7.3e-4951", "", Refuses{NumberTooSmall}},  // 2·2^-16445
      {"exp", Exponential, Radians, X, "11356.50001", "", Refuses{NumberTooLarge}},
      {"sqrt", SquareRoot, Radians, X, "-4", "", Refuses{NegativeNumber}},
      {"sqr", Square, Radians, X, "1e2461", "", Refuses{NumberTooLarge}},
      {"sqr", Square, Radians, X, "-1e2461", "", Refuses{NumberTooLarge}},
      {"sqr", Square, Radians, X, "1.00000000000000000005e2460", "", Refuses{NumberTooLarge}},  // limit + 3 units
      {"1/", Reciprocal, Radians, X, "0", "", Refuses{ZeroNumber}},
      {"1/", Reciprocal, Radians, X, "-0", "", Refuses{ZeroNumber}},

      // Faults the refusals let through.
      {"1/", Reciprocal, Radians, X, "1e-4940", "", Faults{OverflowFault}},
      {"sin", Sine, Radians, X, "1e20", "", Faults{InvalidFault}},        // 2^63 turns or more
      {"cos", Cosine, Degrees, X, "-4e21", "", Faults{InvalidFault}},
      {"tan", Tangent, Radians, X, "6e19", "", Faults{InvalidFault}},

      // Infinite operands.
      {"sin", Sine, Radians, X, "1e5120", "", Faults{InvalidFault}},
      {"cos", Cosine, Degrees, X, "-1e5120", "", Faults{InvalidFault}},
      {"tan", Tangent, Radians, X, "1e5120", "", Faults{InvalidFault}},
      {"atan", ArcTangent, Radians, X, "1e5120", "", Shows{"atan(x)=1.570796326795 --> x"}},
      {"atan", ArcTangent, Degrees, X, "-1e5120", "", Shows{"atan(x)=-90.000000000000 --> x"}},
      {"ln", NaturalLogarithm, Radians, X, "1e5120", "", Shows{"ln(x)=                +Inf --> x"}},
      {"ln", NaturalLogarithm, Radians, X, "-1e5120", "", Refuses{NegativeNumber}},
      {"exp", Exponential, Radians, X, "1e5120", "", Refuses{NumberTooLarge}},
      {"exp", Exponential, Radians, X, "-1e5120", "", Faults{InvalidFault}},
      {"sqrt", SquareRoot, Radians, X, "1e5120", "", Shows{"sqrt(x)=                +Inf --> x"}},
      {"sqrt", SquareRoot, Radians, X, "-1e5120", "", Refuses{NegativeNumber}},
      {"sqr", Square, Radians, X, "1e5120", "", Refuses{NumberTooLarge}},
      {"sqr", Square, Radians, X, "-1e5120", "", Refuses{NumberTooLarge}},
      {"1/", Reciprocal, Radians, X, "1e5120", "", Shows{"(1/x)=0.0 --> x"}},
      {"1/", Reciprocal, Radians, X, "-1e5120", "", Shows{"(1/x)=0.0 --> x"}},
  };
  for (const OperationRow& row : rows) {
    SCOPED_TRACE(Describe(row));
    ExpectRow(row, Operands::One);
  }
}

TEST(UnaryOperations, RefusedTextStopsBeforeTheOperation) {
  for (void (*operation)(Calculator&) : {Sine, Cosine, Tangent, ArcTangent, NaturalLogarithm,
                                          Exponential, SquareRoot, Square, Reciprocal}) {
    FakeCalcWindow window;
    window.Type(Register::X, "1e");
    window.Type(Register::Y, "5");
    Calculator c(window);
    operation(c);
    EXPECT_EQ(window.Text(Register::X), "1e Błąd");
    EXPECT_EQ(window.Text(Register::Y), "5");
    EXPECT_TRUE(window.Journal().empty());
    ASSERT_EQ(window.Boxes().size(), 1U);
    EXPECT_EQ(window.Boxes()[0].text, "Dana nie jest liczbą");
  }
}

TEST(UnaryOperations, PiKeyReplacesTheActiveTextOnly) {
  FakeCalcWindow window;
  window.Type(Register::X, "1,5,3 Błąd");
  window.Type(Register::Y, "7");
  Calculator c(window);
  EnterPi(c);
  EXPECT_EQ(window.Text(Register::X), "3.14159265358979323846");
  c.ActiveIsX = false;
  EnterPi(c);
  EXPECT_EQ(window.Text(Register::Y), "3.14159265358979323846");
  EXPECT_FALSE(c.ActiveIsX);
  const std::vector<std::string> changes = {
      "SetRegisterText(X, 3.14159265358979323846)",
      "SetRegisterText(Y, 3.14159265358979323846)",
  };
  EXPECT_EQ(window.Changes(), changes) << "no journal line, no box";
}

}  // namespace
}  // namespace calc
