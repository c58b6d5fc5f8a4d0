#pragma once
// The operands of a two-operand operation: A from the other register, B from
// the active one, each with its echo line.
#include "calculator.h"

namespace calc {

// ok is false when either text was refused (that register marked, the message
// shown); when A's was, nothing was appended. ActiveIsX is the same afterwards
// however the reading ends, an ArithmeticFault thrown while reading A included.
void ReadOperandPair(Calculator& c, long double& a, long double& b, bool& ok);

}  // namespace calc
