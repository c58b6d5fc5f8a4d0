#pragma once
// Cleaning of one report line before it is shown: interaction lines emptied, the
// solver's prompts removed, frame edges and bars turned into "-" and "|".
// Works on raw bytes (Windows-1250 as the solver wrote them), before any decoding,
// and in time linear in the line's length whatever the line holds.
#include <cstddef>
#include <string>
#include <string_view>

namespace viewer {

// Rewrites `line` in place; it may come out empty (the loader then drops it).
void FilterReportLine(std::string& line);

// The same result without touching `line`: `line` itself when the filter leaves it as
// it is (most report lines), an empty view when the filter empties it, otherwise
// `scratch` holding the rewritten line. Lets a reader's view be filtered with no copy.
// `line` may be a view of the whole of `scratch`, which is then rewritten in place.
std::string_view FilterReportLine(std::string_view line, std::string& scratch);

// Turns one frame edge into dashes: when the first occurrence of `closingPair` in the
// whole line starts after `opening` (0-based position of an opening pair), every
// byte from `opening` through the closing pair's last byte becomes '-'.
// Otherwise, and when `opening` is npos, the line stays as it is.
void FillBoxRun(std::string& line, std::size_t opening, std::string_view closingPair);

}  // namespace viewer
