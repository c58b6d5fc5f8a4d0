#pragma once
#include <cstdint>
#include <string>

namespace calc {

// The refusal codes; any other value shows "???".
enum CalcError : std::uint8_t {
  NotANumber = 1,
  NegativeNumber = 2,
  ZeroNumber = 3,
  NumberTooSmall = 4,
  NumberTooLarge = 5,
  DivisionByZero = 6,
  NegativePowerBase = 7,
};

// The Polish message of a code (UTF-8).
std::string CalcErrorMessage(int code);

}  // namespace calc
