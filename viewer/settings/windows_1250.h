#pragma once
// Windows-1250, the code page of the suite's files, to and from UTF-8.
#include <string>
#include <string_view>

namespace viewer {

// Bytes 00..7F stay; the five bytes the code page leaves unassigned (81, 83,
// 88, 90, 98) become the control characters of the same number, so nothing
// is lost and Utf8ToWindows1250 brings them back.
std::string Windows1250ToUtf8(std::string_view bytes);
// Characters without a Windows-1250 byte, and malformed UTF-8, become "?".
std::string Utf8ToWindows1250(std::string_view utf8);

}  // namespace viewer
