// Any register text: reading it ends in a value, a refusal at a position inside the
// text (or just past it), or the overflow fault; an accepted value's display reads
// back as itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "arithmetic_fault.h"
#include "display_read_back.h"
#include "fuzz_check.h"
#include "number_text.h"
#include "utf8_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzzing::Require;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  calc::ParsedOperand read;
  try {
    read = calc::ParseOperand(text);
  } catch (const calc::ArithmeticFault& fault) {
    Require(fault.Kind() == calc::FaultKind::Overflow, "reading faults only by overflow", fault.what());
    return 0;
  }
  if (read.status != 0) {
    const auto last = static_cast<std::int64_t>(calc::CountCharacters(read.text)) + 1;
    Require(read.status >= 1 && read.status <= last, "refusal position outside the text", fuzzing::Escaped(text));
    return 0;
  }
  fuzzing::CheckDisplay(read.value);
  return 0;
}
