// The line filter against a plain step-by-step version of it: a table of the cases
// that matter, then many random lines built from the pieces that interact.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "reference_report_line_filter.h"
#include "report_line_filter.h"

namespace {

using viewer::FillBoxRun;
using viewer::FilterReportLine;
using report_test::ReferenceFilter;

std::string Filtered(std::string line) {
  FilterReportLine(line);
  return line;
}

// The form the loader uses, on a view of the line; the scratch string starts dirty.
std::string ViewFiltered(const std::string& line) {
  std::string scratch = "left over from the line before";
  return std::string(FilterReportLine(std::string_view(line), scratch));
}

// The same with the line held in the scratch string itself, as the loader does with a
// line its reader had to copy.
std::string ViewOfScratchFiltered(const std::string& line) {
  std::string scratch = line;
  return std::string(FilterReportLine(std::string_view(scratch), scratch));
}

std::string ReferenceFiltered(std::string line) {
  ReferenceFilter(line);
  return line;
}

// ---- The table ----

struct FilterCase {
  const char* name;
  std::string input;
  std::string output;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class FilterTable : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterTable, GivesTheExpectedBytes) {
  const FilterCase& c = GetParam();
  EXPECT_EQ(Filtered(c.input), c.output);
}

TEST_P(FilterTable, ViewFormGivesTheExpectedBytes) {
  const FilterCase& c = GetParam();
  EXPECT_EQ(ViewFiltered(c.input), c.output);
  EXPECT_EQ(ViewOfScratchFiltered(c.input), c.output);
}

TEST_P(FilterTable, AgreesWithTheReference) {
  const FilterCase& c = GetParam();
  EXPECT_EQ(ReferenceFiltered(c.input), c.output);
}

const FilterCase kCases[] = {
    {"EnterHintAnywhere", "Nacisnij <Enter> aby kontynuowac", ""},
    {"RowPrompt", "  WIERSZ 3 :", ""},
    {"ColumnPromptStem", "KOLUMNA 2", ""},
    {"LowerCaseWordsStay", "wiersz kolumna <enter>", "wiersz kolumna <enter>"},
    {"EmptyingWinsOverPrompts", "VOR> WIERSZ", ""},
    {"ThreeBangsBecomeTwo", "!!!", "!!"},
    {"OnlyFirstBangPairLosesOne", "A!!B!!", "A!B!!"},
    {"BangPairRemovalJoinsNoPrompt", "VOR!!>", "VOR!>"},
    {"CommandAndRealPromptInOnePass", "VOR> REAL> 3.5", "3.5"},
    {"ThreeCommandPrompts", "VOR> VOR> VOR> koniec", "koniec"},
    {"TrimAfterRealPrompt", "  REAL> 12.5", "12.5"},
    {"InnerBlanksStay", "INTEGER> 3 REAL> 4", "3  4"},
    {"PromptOnlyLineEmpties", "VOR>", ""},
    {"PromptWithBlanksEmpties", "  VOR>   ", ""},
    {"NoPromptKeepsEdgeBlanks", "  x = 1  ", "  x = 1  "},
    {"TrimTakesControlBytes", std::string("\t\x01REAL> 7\x1F\r", 12), "7"},
    {"TrimTakesNul", std::string("\0VOR>x\0", 7), "x"},
    {"HighBytesAreNotTrimmed", "\xA0VOR>x\xA0", "\xA0x\xA0"},
    {"PromptFormedByDeletion", "VOVOR>R> a", "a"},
    {"RealPromptFormedAcrossCommandPrompt", "REVOR>AL> 1", "1"},
    {"IntegerPromptFormedAcrossRealPrompt", "INTEGREAL>ER>5", "5"},
    {"LonePointersStay", "a > b >> c", "a > b >> c"},
    {"PromptLookalikesStay", "VOR >REAL >", "VOR >REAL >"},
    {"TopEdge", "  \xDA\xC4\xC4\xC4\xBF", "  -----"},
    {"BottomEdge", "\xC0\xC4\xC4\xD9", "----"},
    {"SharedHorizontal", "\xDA\xC4\xBF", "---"},
    {"FirstEdgeOnlyWithTPiece", "\xDA\xC4\xC2\xC4\xBF \xDA\xC4\xBF", "----- \xDA\xC4\xBF"},
    {"ClosingBeforeOpeningBlocks", "\xC4\xBF \xDA\xC4\xBF", "\xC4\xBF \xDA\xC4\xBF"},
    {"NoClosingPair", "ab\xDA\xC4\xC4", "ab\xDA\xC4\xC4"},
    {"NoClosingPairAtStart", "\xDA\xC4\xC4 x", "\xDA\xC4\xC4 x"},
    {"BothEdgesOnOneLine", "\xDA\xC4\xBF\xC0\xC4\xD9", "------"},
    {"TopRunSwallowsBottomOpening", "\xDA\xC4\xC0\xC4\xBF \xC0\xC4\xD9", "----- ---"},
    {"BarsAfterBlanks", "\xB3 a \xB3 b \xB3", "\xB3 a | b |"},
    {"SecondBarAnywhere", " \xB3x \xB3 y", " |x | y"},
    {"AtMostTwoBars", " \xB3 \xB3 \xB3 ", " | | \xB3 "},
    {"BarWithoutBlankPairStays", " \xB3x \xB3y", " \xB3x \xB3y"},
    {"LeadingBarStays", "\xB3tekst", "\xB3tekst"},
    {"TrimTakesTheBarsBlank", "VOR> \xB3 1 \xB3", "\xB3 1 \xB3"},
    {"BarsAfterPromptRemoval", "VOR> 1 \xB3 2 \xB3", "1 | 2 |"},
    {"Empty", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, FilterTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FilterCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(FillBoxRun, LeavesTheLineWithoutAnOpeningPair) {
  std::string line = "\xC4\xBF";
  FillBoxRun(line, std::string::npos, "\xC4\xBF");
  EXPECT_EQ(line, "\xC4\xBF");
}

TEST(FillBoxRun, FillsFromTheGivenOpeningThroughTheFirstClosingPair) {
  std::string line = "x\xDA\xC4 y \xC4\xBF z \xC4\xBF";
  FillBoxRun(line, 1, "\xC4\xBF");
  EXPECT_EQ(line, "x------- z \xC4\xBF");
}

// ---- Fast against reference on random lines ----

std::string RandomLine(std::mt19937& random) {
  static const std::vector<std::string> kPieces = {
      "VOR>", "REAL>", "INTEGER>", "VOVOR>R>", "VO", "R>", "RE", "AL>", "INTE", "GER>",
      "V", "O", "R", ">", " ", "  ", "\t", std::string(1, '\0'), "\x01", "\x1F", "\r",
      "!", "!!", "\xDA", "\xC4", "\xBF", "\xC0", "\xD9", "\xB3", " \xB3 ", "\xC2",
      "x", "12.5", "wynik", "\xA0", "\xE9"};
  // Rare, so that most lines reach the steps after the emptying ones.
  static const std::vector<std::string> kEmptyingWords = {"<Enter>", "WIERSZ", "KOLUMN"};
  std::uniform_int_distribution<int> length(0, 24);
  std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
  std::uniform_int_distribution<std::size_t> word(0, kEmptyingWords.size() - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  std::string line;
  for (int n = length(random); n > 0; --n) {
    line += percent(random) == 0 ? kEmptyingWords[word(random)] : kPieces[piece(random)];
  }
  return line;
}

TEST(FilterAgainstReference, RandomLinesOfInterestingPieces) {
  std::mt19937 random(20240606);
  for (int i = 0; i < 200000; ++i) {
    const std::string line = RandomLine(random);
    ASSERT_EQ(Filtered(line), ReferenceFiltered(line)) << "input: " << testing::PrintToString(line);
  }
}

TEST(FilterAgainstReference, ViewFormOnRandomLines) {
  std::mt19937 random(20240607);
  for (int i = 0; i < 100000; ++i) {
    const std::string line = RandomLine(random);
    const std::string expected = ReferenceFiltered(line);
    ASSERT_EQ(ViewFiltered(line), expected) << "input: " << testing::PrintToString(line);
    ASSERT_EQ(ViewOfScratchFiltered(line), expected) << "input: " << testing::PrintToString(line);
  }
}

TEST(FilterAgainstReference, LongLinesOfNestedPrompts) {
  std::string nested;
  for (int i = 0; i < 300; ++i) nested = "VO" + nested + "R>";
  const std::vector<std::string> lines = {
      nested + " 42",
      std::string(2000, ' ') + "REAL>" + std::string(2000, ' ') + "1",
      [] { std::string s; for (int i = 0; i < 1000; ++i) s += "VOR> REAL> "; return s + "x"; }(),
      [] { std::string s; for (int i = 0; i < 1000; ++i) s += "INTEGREAL>ER> "; return s; }(),
  };
  for (const std::string& line : lines) EXPECT_EQ(Filtered(line), ReferenceFiltered(line));
  EXPECT_EQ(Filtered(lines[0]), "42");
}

}  // namespace
