#include "report_line_filter.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace viewer {
namespace {

constexpr std::array<std::string_view, 3> kEmptyingWords = {"<Enter>", "WIERSZ", "KOLUMN"};
constexpr std::array<std::string_view, 3> kPrompts = {"VOR>", "REAL>", "INTEGER>"};

constexpr std::string_view kTopOpening = "\xDA\xC4";
constexpr std::string_view kTopClosing = "\xC4\xBF";
constexpr std::string_view kBottomOpening = "\xC0\xC4";
constexpr std::string_view kBottomClosing = "\xC4\xD9";
constexpr std::string_view kBarWithBlanks = " \xB3 ";
constexpr std::string_view kBarAfterBlank = " \xB3";

bool Contains(std::string_view line, std::string_view word) {
  return line.find(word) != std::string_view::npos;
}

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }

void Trim(std::string& line) {
  std::size_t end = line.size();
  while (end > 0 && IsTrimmed(line[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && IsTrimmed(line[begin])) ++begin;
  line.resize(end);
  line.erase(0, begin);
}

// The length of the prompt that `kept` ends with, or 0.
std::size_t TrailingPromptLength(std::string_view kept) {
  for (const std::string_view prompt : kPrompts) {
    if (kept.ends_with(prompt)) return prompt.size();
  }
  return 0;
}

// Deleting the first "VOR>", "REAL>", "INTEGER>" pass after pass until none is left
// always ends in the same bytes, whatever the order of the deletions: no prompt
// overlaps another or itself, so a deletion never spoils another. A single sweep
// that drops a prompt as soon as the kept bytes end with one (a prompt formed
// across a deletion included) reaches those bytes in linear time.
// Returns whether anything was deleted.
bool RemovePrompts(std::string& line) {
  const std::size_t size = line.size();
  char* const bytes = line.data();
  std::size_t kept = 0;
  std::size_t read = 0;
  bool removed = false;
  while (read < size) {
    const void* gt = std::memchr(bytes + read, '>', size - read);
    const std::size_t chunkEnd =
        gt == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(gt) - bytes) + 1;
    if (kept != read) std::memmove(bytes + kept, bytes + read, chunkEnd - read);
    kept += chunkEnd - read;
    read = chunkEnd;
    if (gt == nullptr) break;
    const std::size_t prompt = TrailingPromptLength(std::string_view(bytes, kept));
    kept -= prompt;
    removed = removed || prompt > 0;
  }
  line.resize(kept);
  return removed;
}

void ConvertBars(std::string& line) {
  const std::size_t withBlanks = line.find(kBarWithBlanks);
  if (withBlanks == std::string::npos) return;
  line[withBlanks + 1] = '|';
  const std::size_t afterBlank = line.find(kBarAfterBlank);
  if (afterBlank != std::string::npos) line[afterBlank + 1] = '|';
}

}  // namespace

void FillBoxRun(std::string& line, std::size_t opening, std::string_view closingPair) {
  if (opening == std::string::npos) return;
  const std::size_t closing = line.find(closingPair);
  if (closing == std::string::npos || closing <= opening) return;
  const std::size_t end = closing + closingPair.size();
  std::fill(line.begin() + static_cast<std::ptrdiff_t>(opening),
            line.begin() + static_cast<std::ptrdiff_t>(end), '-');
}

void FilterReportLine(std::string& line) {
  for (const std::string_view word : kEmptyingWords) {
    if (Contains(line, word)) {
      line.clear();
      return;
    }
  }
  const std::size_t bang = line.find("!!");
  if (bang != std::string::npos) line.erase(bang, 1);

  if (RemovePrompts(line)) Trim(line);

  FillBoxRun(line, line.find(kTopOpening), kTopClosing);
  FillBoxRun(line, line.find(kBottomOpening), kBottomClosing);
  ConvertBars(line);
}

}  // namespace viewer
