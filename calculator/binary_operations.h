#pragma once
// The six operations on both registers: A from the other register, B from the
// active one; the result replaces the active register's text. A refusal marks
// the active register. An ArithmeticFault escapes before anything is written;
// the operands' echo lines stay in the journal and ActiveIsX is unchanged.
// The keypad and the buttons call the same functions.
#include "calculator.h"

namespace calc {

void AddOperands(Calculator& c);       // A + B
void SubtractOperands(Calculator& c);  // A − B
void MultiplyOperands(Calculator& c);  // A × B; logarithm guard: NumberTooLarge
void DivideOperands(Calculator& c);    // A / B; B zero: DivisionByZero; logarithm guard: NumberTooLarge
void PowerOperands(Calculator& c);     // A^B; A negative: NegativePowerBase
void Atan2Operands(Calculator& c);     // angle of the point (B, A) in the selected measure

}  // namespace calc
