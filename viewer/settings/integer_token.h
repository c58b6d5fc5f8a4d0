#pragma once
// The number syntax of the settings file: an optional "+" or "-", then decimal
// digits or hexadecimal digits after "$" or "0x"; the value must fit a signed
// 32-bit integer.
#include <cstdint>
#include <string_view>

namespace viewer {

struct IntegerToken {
  std::int32_t value = 0;  // when not valid: the value of the digits before the bad character
  bool valid = false;
};

IntegerToken ParseIntegerToken(std::string_view token);

}  // namespace viewer
