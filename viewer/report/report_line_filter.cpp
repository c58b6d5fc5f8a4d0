#include "report_line_filter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace viewer {
namespace {

constexpr std::array<std::string_view, 3> kEmptyingWords = {"<Enter>", "WIERSZ", "KOLUMN"};
constexpr std::array<std::string_view, 3> kPrompts = {"VOR>", "REAL>", "INTEGER>"};

constexpr std::string_view kTopOpening = "\xDA\xC4";
constexpr std::string_view kTopClosing = "\xC4\xBF";
constexpr std::string_view kBottomOpening = "\xC0\xC4";
constexpr std::string_view kBottomClosing = "\xC4\xD9";
constexpr std::string_view kBarAfterBlank = " \xB3";

bool Contains(std::string_view line, std::string_view word) {
  return line.find(word) != std::string_view::npos;
}

// Bytes whose absence lets the filter skip steps. One look at every byte of the line
// finds which are present; the steps themselves only ever delete bytes or write '-'
// and '|', so a byte absent at the start stays absent.
enum Trigger : std::uint8_t {
  kLessThan = 1 << 0,      // "<Enter>"
  kCapitalW = 1 << 1,      // "WIERSZ"
  kCapitalK = 1 << 2,      // "KOLUMN"
  kBang = 1 << 3,          // "!!"
  kGreaterThan = 1 << 4,   // every prompt ends with it
  kTopCorner = 1 << 5,     // DA
  kBottomCorner = 1 << 6,  // C0
  kBar = 1 << 7,           // B3
};

constexpr std::array<std::uint8_t, 256> kTriggerOfByte = [] {
  std::array<std::uint8_t, 256> table{};
  table['<'] = kLessThan;
  table['W'] = kCapitalW;
  table['K'] = kCapitalK;
  table['!'] = kBang;
  table['>'] = kGreaterThan;
  table[0xDA] = kTopCorner;
  table[0xC0] = kBottomCorner;
  table[0xB3] = kBar;
  return table;
}();

std::uint8_t TriggerOf(const char* byte) { return kTriggerOfByte[static_cast<unsigned char>(*byte)]; }

// The triggers of two bytes at once, indexed by the two bytes as a 16-bit number in
// either byte order: a line is looked at two bytes a lookup.
constexpr std::size_t kPairs = 256 * 256;
constexpr std::array<std::uint8_t, kPairs> kTriggerOfPair = [] {
  std::array<std::uint8_t, kPairs> table{};
  for (std::size_t pair = 0; pair < kPairs; ++pair) {
    table[pair] = kTriggerOfByte[pair & 0xFF] | kTriggerOfByte[pair >> 8];
  }
  return table;
}();

std::uint8_t TriggerOfPair(const char* bytes) {
  std::uint16_t pair;
  std::memcpy(&pair, bytes, sizeof pair);
  return kTriggerOfPair[pair];
}

// Eight bytes a step, into separate sums, so that the lookups need not wait for one another.
std::uint8_t TriggersIn(std::string_view line) {
  const char* byte = line.data();
  const char* const end = byte + line.size();
  std::uint8_t a = 0, b = 0, c = 0, d = 0;
  for (; end - byte >= 8; byte += 8) {
    a |= TriggerOfPair(byte);
    b |= TriggerOfPair(byte + 2);
    c |= TriggerOfPair(byte + 4);
    d |= TriggerOfPair(byte + 6);
  }
  for (; end - byte >= 2; byte += 2) a |= TriggerOfPair(byte);
  if (byte != end) b |= TriggerOf(byte);
  return a | b | c | d;
}

constexpr std::uint8_t kEmptyingTriggers = kLessThan | kCapitalW | kCapitalK;

bool HoldsEmptyingWord(std::string_view line, std::uint8_t triggers) {
  return ((triggers & kLessThan) != 0 && Contains(line, kEmptyingWords[0])) ||
         ((triggers & kCapitalW) != 0 && Contains(line, kEmptyingWords[1])) ||
         ((triggers & kCapitalK) != 0 && Contains(line, kEmptyingWords[2]));
}

// Byte by byte: the prompts are four to eight bytes long, too short for a call to pay.
bool HoldsAt(std::string_view line, std::size_t start, std::string_view pattern) {
  if (line.size() - start < pattern.size()) return false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (line[start + i] != pattern[i]) return false;
  }
  return true;
}

// The first position of byte `first` followed by byte `second`, found through `second`:
// a corner or a vertical line, seldom in report text, so that the search does not stop
// at every blank or every horizontal line.
std::size_t FindPairBySecond(std::string_view line, char first, char second) {
  for (std::size_t at = 1; at < line.size(); ++at) {
    const void* hit = std::memchr(line.data() + at, second, line.size() - at);
    if (hit == nullptr) break;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - line.data());
    if (line[at - 1] == first) return at - 1;
  }
  return std::string_view::npos;
}

// The same found through `first`, the seldom byte of an opening pair.
std::size_t FindPairByFirst(std::string_view line, char first, char second) {
  for (std::size_t at = 0; at + 1 < line.size(); ++at) {
    const void* hit = std::memchr(line.data() + at, first, line.size() - 1 - at);
    if (hit == nullptr) break;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - line.data());
    if (line[at + 1] == second) return at;
  }
  return std::string_view::npos;
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
    if (kept.size() >= prompt.size() && HoldsAt(kept, kept.size() - prompt.size(), prompt)) {
      return prompt.size();
    }
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

// The first bar with blanks on both sides (20 B3 20) is the first bar after a blank
// that has a blank after it too.
std::size_t FindBarAfterBlank(std::string_view line) {
  return FindPairBySecond(line, kBarAfterBlank[0], kBarAfterBlank[1]);
}

std::size_t FindBarWithBlanks(std::string_view line) {
  std::size_t at = FindBarAfterBlank(line);
  while (at != std::string_view::npos && (at + 2 >= line.size() || line[at + 2] != ' ')) {
    const std::size_t next = FindBarAfterBlank(line.substr(at + 1));
    at = next == std::string_view::npos ? next : at + 1 + next;
  }
  return at;
}

void ConvertBars(std::string& line) {
  const std::size_t withBlanks = FindBarWithBlanks(line);
  if (withBlanks == std::string::npos) return;
  line[withBlanks + 1] = '|';
  const std::size_t afterBlank = FindBarAfterBlank(line);
  if (afterBlank != std::string::npos) line[afterBlank + 1] = '|';
}

// Steps 4 to 7, those that rewrite the line, given the triggers found in it.
void RewriteLine(std::string& line, std::uint8_t triggers) {
  if ((triggers & kBang) != 0) {
    const std::size_t bang = line.find("!!");
    if (bang != std::string::npos) line.erase(bang, 1);
  }
  if ((triggers & kGreaterThan) != 0 && RemovePrompts(line)) Trim(line);
  if ((triggers & kTopCorner) != 0) {
    FillBoxRun(line, FindPairByFirst(line, kTopOpening[0], kTopOpening[1]), kTopClosing);
  }
  if ((triggers & kBottomCorner) != 0) {
    FillBoxRun(line, FindPairByFirst(line, kBottomOpening[0], kBottomOpening[1]), kBottomClosing);
  }
  if ((triggers & kBar) != 0) ConvertBars(line);
}

}  // namespace

void FillBoxRun(std::string& line, std::size_t opening, std::string_view closingPair) {
  if (opening == std::string::npos) return;
  const std::size_t closing = FindPairBySecond(line, closingPair[0], closingPair[1]);
  if (closing == std::string::npos || closing <= opening) return;
  const std::size_t end = closing + closingPair.size();
  std::fill(line.begin() + static_cast<std::ptrdiff_t>(opening),
            line.begin() + static_cast<std::ptrdiff_t>(end), '-');
}

void FilterReportLine(std::string& line) {
  const std::uint8_t triggers = TriggersIn(line);
  if (triggers == 0) return;
  if ((triggers & kEmptyingTriggers) != 0 && HoldsEmptyingWord(line, triggers)) {
    line.clear();
    return;
  }
  RewriteLine(line, triggers);
}

std::string_view FilterReportLine(std::string_view line, std::string& scratch) {
  const std::uint8_t triggers = TriggersIn(line);
  if (triggers == 0) return line;
  if ((triggers & kEmptyingTriggers) != 0 && HoldsEmptyingWord(line, triggers)) return {};
  if ((triggers & ~kEmptyingTriggers) == 0) return line;  // a capital W or K in other words
  if (line.data() != scratch.data() || line.size() != scratch.size()) scratch.assign(line);
  RewriteLine(scratch, triggers);
  return scratch;
}

}  // namespace viewer
