#pragma once
// The memo that shows a report, as the loader sees it. The viewer window implements
// it over its read-only text field; the headless printer over standard output.
#include <string_view>

namespace viewer {

class ReportMemo {
 public:
  virtual ~ReportMemo() = default;

  virtual void Clear() = 0;

  // Appends whole lines at the end, many at once. `lines` is UTF-8 text in which every
  // line, the last included, ends with '\n' and no line holds another '\n'. A large
  // report arrives in a few such batches (see ReportMemoBatchBytes), a small one in two:
  // the banner, then the body.
  virtual void AppendLines(std::string_view lines) = 0;
};

}  // namespace viewer
