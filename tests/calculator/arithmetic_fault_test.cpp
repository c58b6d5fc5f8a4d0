#include "arithmetic_fault.h"

#include <gtest/gtest.h>

#include <limits>

namespace calc {
namespace {

// Operands come through FpBarrier, so every step runs at run time.
long double Runtime(long double v) { return FpBarrier(v); }

FaultKind FaultOf(long double (*step)()) {
  ClearFpFlags();
  const long double result = FpBarrier(step());
  try {
    ThrowOnFpFault();
  } catch (const ArithmeticFault& fault) {
    return fault.Kind();
  }
  ADD_FAILURE() << "no fault, result " << static_cast<double>(result);
  return FaultKind::InvalidOperation;
}

TEST(ArithmeticFault, EachFlagThrowsItsText) {
  const long double inf = std::numeric_limits<long double>::infinity();
  (void)inf;
  EXPECT_EQ(FaultOf([] { return Runtime(std::numeric_limits<long double>::infinity()) - std::numeric_limits<long double>::infinity(); }),
            FaultKind::InvalidOperation);
  EXPECT_EQ(FaultOf([] { return Runtime(1.0L) / Runtime(0.0L); }), FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf([] { return Runtime(std::numeric_limits<long double>::max()) * 2; }), FaultKind::Overflow);
  EXPECT_STREQ(ArithmeticFault(FaultKind::InvalidOperation).what(), "Invalid floating point operation");
  EXPECT_STREQ(ArithmeticFault(FaultKind::DivisionByZero).what(), "Floating point division by zero");
  EXPECT_STREQ(ArithmeticFault(FaultKind::Overflow).what(), "Floating point overflow");
}

TEST(ArithmeticFault, UnderflowDenormalsAndInexactAreNotFaults) {
  ClearFpFlags();
  volatile long double sink = Runtime(std::numeric_limits<long double>::min()) / 3;  // denormal, inexact
  sink = Runtime(std::numeric_limits<long double>::denorm_min()) / 4;               // underflow to zero
  sink = Runtime(1.0L) / 3;
  (void)sink;
  EXPECT_NO_THROW(ThrowOnFpFault());
}

TEST(ArithmeticFault, ClearingForgetsEarlierSteps) {
  volatile long double sink = Runtime(1.0L) / Runtime(0.0L);
  (void)sink;
  ClearFpFlags();
  EXPECT_NO_THROW(ThrowOnFpFault());
}

}  // namespace
}  // namespace calc
