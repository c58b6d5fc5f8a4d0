#pragma once
// The angle measure and the reading of an angle operand.
#include <cstdint>

#include "calculator.h"

namespace calc {

// Index 1 of the angle selector is degrees; every other index is radians.
// Read afresh by each operation that uses it.
bool DegreesSelected(const Calculator& c);

// Reads the active register as ReadOperand does (same status, refusal and echo
// line) and, when status is 0, gives the angle in radians: degrees converted,
// and an angle beyond one full turn brought into [−π, π] by whole turns.
// Throws ArithmeticFault (invalid operation) for an infinite angle or one of
// 2^63 turns or more.
void ReadAngle(Calculator& c, long double& value, std::int32_t& status);

}  // namespace calc
