#pragma once
// The power of a base that is not negative.

namespace calc {

// base^exponent for base >= 0 (minus zero counts as zero), by the first rule
// that applies: exponent 0 gives 1; base 0 with a positive exponent gives 0;
// a whole exponent of magnitude at most 2147483647 goes by repeated squaring,
// rounding every product, with a final reciprocal when it is negative; any
// other exponent gives e^(exponent × ln base).
// Throws ArithmeticFault: division by zero for base 0 with a negative exponent,
// overflow for a result, square or product beyond the extended range, invalid
// operation for an infinite exponent that no earlier rule settles.
long double RaiseToPower(long double base, long double exponent);

}  // namespace calc
