// Runs the first stages of `RaportVOR --print` over a report, to show where its time
// goes: `read` only reads the lines as the loader does, `filter` also filters them.
//
//   vor_bench_stages read|filter FILE
#include <cstdio>
#include <string>
#include <string_view>

#include "io_error.h"
#include "report_line_filter.h"
#include "text_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s read|filter FILE\n", argv[0]);
    return 2;
  }
  const bool filter = std::string_view(argv[1]) == "filter";
  viewer::TextFile report;
  report.OpenForReading(argv[2]);
  std::string copy;
  std::size_t lines = 0;
  std::size_t bytes = 0;
  do {
    std::string_view line = report.NextLine(copy);
    if (filter) line = viewer::FilterReportLine(line, copy);
    ++lines;
    bytes += line.size();
  } while (!report.AtEnd());
  report.Close();
  std::printf("%zu lines, %zu bytes\n", lines, bytes);
  return viewer::TakeIoError() == 0 ? 0 : 1;
}
