#pragma once
// UTF-8 text as the user sees it in a register: characters are code points, so a
// Polish letter counts once and is never cut in half.
#include <cstddef>
#include <string>
#include <string_view>

namespace calc {

// Removes leading and trailing code points 0..32; every other character stays.
std::string_view TrimControlAndBlank(std::string_view text);

// The number of code points in text.
std::size_t CountCharacters(std::string_view text);

// The first `limit` code points of text (all of it when shorter).
std::string FirstCharacters(std::string_view text, std::size_t limit);

}  // namespace calc
