#include "power_of_ten.h"

namespace calc {

long double ScaleByPowerOfTen(long double value, int n) {
  const bool divide = n < 0;
  const int k = divide ? -n : n;
  const long double factors[3] = {
      PowersOfTenUnits[k % 32],
      PowersOfTenThirtySeconds[(k / 32) % 16],
      PowersOfTenFiveTwelfths[k / 512],
  };
  // The steps always run in this order; a factor of one changes nothing and raises no flag.
  long double result = value;
  for (const long double factor : factors) {
    if (factor == 1.0L) continue;
    result = divide ? result / factor : result * factor;
  }
  return result;
}

}  // namespace calc
