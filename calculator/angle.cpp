#include "angle.h"

#include <cmath>

#include "checked_math.h"
#include "constants.h"
#include "register_machine.h"

namespace calc {
namespace {

// m − n × full turn for the nearest whole count n (ties to even), the product
// rounded before the subtraction. The count is kept in 64 bits, so every angle
// below 2^63 turns ends up within half a turn.
long double ReduceByWholeTurns(long double magnitude) {
  if (!(magnitude > FullTurn)) return magnitude;
  const long double turns = CheckedDivide(magnitude, FullTurn);
  const std::int64_t count = CheckedRoundToInt64(turns);
  const long double whole = CheckedMultiply(static_cast<long double>(count), FullTurn);
  return CheckedSubtract(magnitude, whole);
}

}  // namespace

bool DegreesSelected(const Calculator& c) { return c.window.AngleMeasureIndex() == 1; }

void ReadAngle(Calculator& c, long double& value, std::int32_t& status) {
  long double angle = 0;
  ReadOperand(c, angle, status);
  if (status != 0) return;
  if (DegreesSelected(c)) angle = CheckedMultiply(angle, DegreeFactor);
  const bool negative = angle < 0;
  const long double reduced = ReduceByWholeTurns(std::fabs(angle));
  value = negative ? -reduced : reduced;
}

}  // namespace calc
