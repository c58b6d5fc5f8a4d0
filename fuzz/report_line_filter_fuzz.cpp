// Any line: the fast report line filter gives the same bytes as the plain
// step-by-step reference.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "reference_report_line_filter.h"
#include "report_line_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::string fast = line;
  viewer::FilterReportLine(fast);
  std::string reference = line;
  report_test::ReferenceFilter(reference);
  fuzzing::Require(fast == reference, "the filter differs from the reference",
                   fuzzing::Escaped(line) + "\n  fast:      " + fuzzing::Escaped(fast) +
                       "\n  reference: " + fuzzing::Escaped(reference));
  return 0;
}
