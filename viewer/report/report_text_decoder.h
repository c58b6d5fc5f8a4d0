#pragma once
// Report text, Windows-1250 as the solver writes it, decoded to UTF-8 for the memo.
#include <string>
#include <string_view>

namespace viewer {

// Appends `windows1250` decoded onto the end of `utf8`. The same characters as
// Windows1250ToUtf8, faster on report text: its ASCII runs are copied whole.
void AppendDecodedReportText(std::string& utf8, std::string_view windows1250);

}  // namespace viewer
