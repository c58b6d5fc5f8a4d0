#pragma once
// Arithmetic faults: invalid operation, division by zero and overflow end the
// current operation as an ArithmeticFault. Underflow, denormals and inexact
// results are never faults.
#include <stdexcept>

namespace calc {

static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "long double must be the x87 80-bit extended format");

enum class FaultKind { InvalidOperation, DivisionByZero, Overflow };

// what() is "Invalid floating point operation", "Floating point division by zero"
// or "Floating point overflow"; the window adds the full stop.
class ArithmeticFault : public std::runtime_error {
 public:
  explicit ArithmeticFault(FaultKind kind);
  FaultKind Kind() const { return kind_; }

 private:
  FaultKind kind_;
};

// Clears the floating-point status flags before a step.
void ClearFpFlags();
// Throws the fault whose flag a step raised (invalid, then division by zero, then overflow).
void ThrowOnFpFault();

// Hands a value through a volatile object. Wrapping a step's operands and its result,
//   ClearFpFlags(); r = FpBarrier(FpBarrier(a) * b); ThrowOnFpFault();
// keeps the compiler from folding the step or moving it across the flag calls.
long double FpBarrier(long double value);

}  // namespace calc
