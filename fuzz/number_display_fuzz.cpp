// Any 80-bit pattern with a consistent top significand bit (normals, denormals,
// zeros, infinities; not-a-numbers only for their length): its display is the text
// the exact big-integer reference of the tests gives, keeps the length limit and
// reads back as itself. Patterns whose top bit contradicts the
// exponent (unnormals, pseudo-denormals) are made by no arithmetic, so the bit is
// set from the exponent.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <cmath>

#include "display_read_back.h"
#include "exact_model.h"
#include "fuzz_check.h"

namespace {

long double ExtendedFromBytes(const std::uint8_t* bytes) {
  std::uint64_t significand = 0;
  std::memcpy(&significand, bytes, 8);
  const unsigned signAndExponent = bytes[8] | (bytes[9] << 8);
  constexpr std::uint64_t topBit = std::uint64_t{1} << 63;
  significand = (signAndExponent & 0x7FFFU) == 0 ? significand & ~topBit : significand | topBit;
  unsigned char raw[sizeof(long double)] = {};
  std::memcpy(raw, &significand, 8);
  raw[8] = bytes[8];
  raw[9] = bytes[9];
  long double value;
  std::memcpy(&value, raw, sizeof value);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return 0;  // only the first ten bytes count
  const long double value = ExtendedFromBytes(data);
  if (!std::isnan(value)) {
    const std::string shown = calc::FormatResult(value);
    const std::string exact = calc::testing::ModelFormat(value);
    fuzzing::Require(shown == exact, "display differs from the exact decimal expansion", shown + " instead of " + exact);
  }
  fuzzing::CheckDisplay(value);
  return 0;
}
