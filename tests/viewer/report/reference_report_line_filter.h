#pragma once
// The report line filter done literally, step by step, with 1-based positions and 0
// for "not found": slow, but plainly right. The filter's tests and its fuzz target
// compare the fast filter with it.
#include <cstddef>
#include <string>
#include <string_view>

namespace report_test {

inline std::size_t Pos(std::string_view what, const std::string& line) {
  const std::size_t at = line.find(what);
  return at == std::string::npos ? 0 : at + 1;
}

inline void DeleteBytes(std::string& line, std::size_t position, std::size_t count) {
  line.erase(position - 1, count);
}

inline void ReferenceTrim(std::string& line) {
  while (!line.empty() && static_cast<unsigned char>(line.front()) <= 0x20) line.erase(0, 1);
  while (!line.empty() && static_cast<unsigned char>(line.back()) <= 0x20) line.pop_back();
}

inline void ReferenceFillBoxRun(std::string& line, std::size_t a, std::string_view closing) {
  const std::size_t p = Pos(closing, line);
  if (p > 0 && p > a) {
    for (std::size_t i = a; i <= p + 1; ++i) line[i - 1] = '-';
  }
}

inline void ReferenceFilter(std::string& line) {
  if (Pos("<Enter>", line) > 0) line.clear();
  if (Pos("WIERSZ", line) > 0) line.clear();
  if (Pos("KOLUMN", line) > 0) line.clear();
  if (const std::size_t i = Pos("!!", line); i > 0) DeleteBytes(line, i, 1);
  bool found = true;
  while (found) {
    found = false;
    for (const std::string_view prompt : {"VOR>", "REAL>", "INTEGER>"}) {
      if (const std::size_t i = Pos(prompt, line); i > 0) {
        DeleteBytes(line, i, prompt.size());
        found = true;
      }
    }
    if (found) ReferenceTrim(line);
  }
  if (const std::size_t a = Pos("\xDA\xC4", line); a > 0) ReferenceFillBoxRun(line, a, "\xC4\xBF");
  if (const std::size_t a = Pos("\xC0\xC4", line); a > 0) ReferenceFillBoxRun(line, a, "\xC4\xD9");
  if (const std::size_t i = Pos(" \xB3 ", line); i > 0) {
    line[i] = '|';
    if (const std::size_t j = Pos(" \xB3", line); j > 0) line[j] = '|';
  }
}

}  // namespace report_test
