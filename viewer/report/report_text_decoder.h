#pragma once
// Report text, Windows-1250 as the solver writes it, decoded to UTF-8 for the memo.
#include <cstddef>
#include <string>
#include <string_view>

namespace viewer {

// The most UTF-8 bytes that one Windows-1250 byte becomes.
inline constexpr std::size_t MaxUtf8BytesPerReportByte = 3;

// Writes `windows1250` decoded at `out`, which must have room for
// MaxUtf8BytesPerReportByte bytes per byte of `windows1250`, and returns the end of
// what it wrote. The same characters as Windows1250ToUtf8, faster on report text:
// its ASCII runs are copied eight bytes at a time, and nothing is allocated.
char* DecodeReportText(std::string_view windows1250, char* out);

// Appends `windows1250` decoded onto the end of `utf8`.
void AppendDecodedReportText(std::string& utf8, std::string_view windows1250);

}  // namespace viewer
