#include "register_machine.h"

#include <gtest/gtest.h>

#include <limits>

#include "arithmetic_fault.h"
#include "fake_calc_window.h"

namespace calc {
namespace {

using testing::FakeCalcWindow;

class RegisterMachine : public ::testing::Test {
 protected:
  FakeCalcWindow window;
  Calculator calc{window};

  // Reads the active register; status and value as ReadOperand gives them.
  std::pair<std::int32_t, long double> Read() {
    long double value = -12345;
    std::int32_t status = -1;
    ReadOperand(calc, value, status);
    return {status, value};
  }
};

TEST_F(RegisterMachine, StartsWithXActive) { EXPECT_TRUE(calc.ActiveIsX); }

TEST_F(RegisterMachine, SelectSetsFocusThenColoursThenFlag) {
  SelectY(calc);
  EXPECT_FALSE(calc.ActiveIsX);
  SelectX(calc);
  EXPECT_TRUE(calc.ActiveIsX);
  const std::vector<std::string> expected = {
      "FocusRegister(Y)", "SetRegisterColour(Y, black)", "SetRegisterColour(X, grey)",
      "FocusRegister(X)", "SetRegisterColour(X, black)", "SetRegisterColour(Y, grey)",
  };
  EXPECT_EQ(window.Calls(), expected);
}

TEST_F(RegisterMachine, ActiveTextTrimsOnlyCodePointsUpTo32) {
  window.Type(Register::X, "\t\r\n \x01 2,5 \x1f\x7f \n");
  window.Type(Register::Y, "\xc2\xa0 5 \xc2\xa0");  // no-break spaces (U+00A0) stay
  EXPECT_EQ(ActiveText(calc), "2,5 \x1f\x7f");
  calc.ActiveIsX = false;
  EXPECT_EQ(ActiveText(calc), "\xc2\xa0 5 \xc2\xa0");
}

TEST_F(RegisterMachine, SetActiveTextKeepsTheFirst27CharactersWhole) {
  struct Case {
    std::string text, written;
  };
  const std::string ogonek = "ą", twentySix(26, '1');
  std::string twentySevenPolish;
  for (int i = 0; i < 27; ++i) twentySevenPolish += ogonek;
  const Case cases[] = {
      {"", ""},
      {"short", "short"},
      {std::string(27, '7'), std::string(27, '7')},
      {std::string(40, '7'), std::string(27, '7')},
      {twentySevenPolish + "ęę", twentySevenPolish},
      {twentySix + "ż" + "ół", twentySix + "ż"},
      {std::string(30, '\x80'), std::string(27, '\x80')},  // damaged text: each stray byte counts once
      {twentySix + "\xe2\x82" + "abc", twentySix + "\xe2"},   // a broken sequence is not a character
      {twentySix + "1\xe2\x82\xac", twentySix + "1"},  // a three-byte euro sign after the limit
  };
  for (const Case& c : cases) {
    SetActiveText(calc, c.text);
    EXPECT_EQ(window.Text(Register::X), c.written) << c.text;
  }
  calc.ActiveIsX = false;
  SetActiveText(calc, "y");
  EXPECT_EQ(window.Text(Register::Y), "y");
  EXPECT_EQ(window.Text(Register::X), twentySix + "1");
  EXPECT_TRUE(window.Journal().empty());
}

TEST_F(RegisterMachine, AcceptedOperandIsEchoedAsItsCleanedText) {
  struct Case {
    std::string typed, echo;
    long double value;
  };
  const Case cases[] = {
      {"", "0", 0.0L},          {" \t ", "0", 0.0L},    {"  2,5  ", "2.5", 2.5L},
      {"3.", "3.", 3.0L},       {".5", ".5", 0.5L},     {".", ".", 0.0L},
      {"e7", "e7", 0.0L},       {"1E+3", "1E+3", 1000.0L}, {"2.5e-3", "2.5e-3", 0.0025L},
      {"-0", "-0", -0.0L},      {"1e5120", "1e5120", std::numeric_limits<long double>::infinity()},
  };
  for (const Case& c : cases) {
    window.Type(Register::X, c.typed);
    const auto [status, value] = Read();
    EXPECT_EQ(status, 0) << c.typed;
    EXPECT_EQ(value, c.value) << c.typed;
    EXPECT_EQ(window.Journal().back(), "x=" + c.echo);
    EXPECT_EQ(window.Text(Register::X), c.typed) << "a read never changes the register";
  }
  EXPECT_EQ(window.Journal().size(), std::size(cases));
  EXPECT_TRUE(window.Boxes().empty());
}

TEST_F(RegisterMachine, ReadOfYEchoesWithItsLetter) {
  window.Type(Register::Y, "123456.789");
  window.Type(Register::X, "junk");
  calc.ActiveIsX = false;
  const auto [status, value] = Read();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(value, 123456.789L);
  EXPECT_EQ(window.Changes(), std::vector<std::string>{"AppendJournalLine(y=123456.789)"});
}

TEST_F(RegisterMachine, RefusedOperandIsMarkedAndReported) {
  window.Type(Register::X, "  1,5,3 ");
  window.Type(Register::Y, "7");
  const auto [status, value] = Read();
  EXPECT_EQ(status, 4);
  const std::vector<std::string> expected = {
      "SetRegisterText(X, 1,5,3 Błąd)",
      "ShowWarningBox( Błąd!, Dana nie jest liczbą)",
  };
  EXPECT_EQ(window.Changes(), expected);
  EXPECT_EQ(window.Text(Register::Y), "7");
  EXPECT_TRUE(window.Journal().empty());
}

TEST_F(RegisterMachine, OverflowingOperandFaultsBeforeAnythingIsWritten) {
  for (const char* text : {"1e4933", "-2e4932", "1e5119"}) {
    window.Type(Register::X, text);
    try {
      Read();
      ADD_FAILURE() << text << " did not fault";
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
      EXPECT_STREQ(fault.what(), "Floating point overflow");
    }
    EXPECT_EQ(window.Text(Register::X), text);
  }
  EXPECT_TRUE(window.Changes().empty());
}

TEST_F(RegisterMachine, MarkerIsCutWithTheText) {
  struct Case {
    std::string typed, marked;
  };
  const std::string t22(22, 'a'), t25(25, 'a'), t27(27, 'a');
  const Case cases[] = {
      {" x\t", "x Błąd"},
      {t22, t22 + " Błąd"},
      {t25, t25 + " B"},
      {t27, t27},
      {t27 + "bcd", t27},
      {"1x Błąd", "1x Błąd Błąd"},
  };
  for (const Case& c : cases) {
    window.Type(Register::X, c.typed);
    FailActive(calc, NotANumber);
    EXPECT_EQ(window.Text(Register::X), c.marked) << c.typed;
  }
  EXPECT_EQ(window.Boxes().size(), std::size(cases)) << "the box is shown even when no marker is visible";
}

TEST_F(RegisterMachine, FailActiveMarksTheDesignatedRegisterOnly) {
  window.Type(Register::X, "x");
  window.Type(Register::Y, "y");
  calc.ActiveIsX = false;
  FailActive(calc, NumberTooLarge);
  FailActive(calc, NumberTooLarge);
  EXPECT_EQ(window.Text(Register::Y), "y Błąd Błąd");
  EXPECT_EQ(window.Text(Register::X), "x");
  EXPECT_EQ(window.Boxes().back().text, "Liczba jest za duża");
}

TEST_F(RegisterMachine, RegisterIsMarkedBeforeTheBoxOpens) {
  window.Type(Register::X, "abc");
  std::string shownWhileOpen;
  window.onWarningBox = [&](const FakeCalcWindow::Box&) { shownWhileOpen = window.Text(Register::X); };
  FailActive(calc, ZeroNumber);
  EXPECT_EQ(shownWhileOpen, "abc Błąd");
}

TEST_F(RegisterMachine, ShowErrorMessageTextsAndCaption) {
  const char* const messages[] = {
      "???",
      "Dana nie jest liczbą",
      "Liczba jest ujemna",
      "Liczba jest równa 0",
      "Liczba jest za mała",
      "Liczba jest za duża",
      "Dzielenie przez zero",
      "Liczba podnoszona do potęgi jest ujemna",
      "???",
  };
  for (int code = 0; code <= 8; ++code) ShowErrorMessage(calc, code);
  ShowErrorMessage(calc, 255);
  ASSERT_EQ(window.Boxes().size(), 10U);
  for (int code = 0; code <= 8; ++code) {
    EXPECT_EQ(window.Boxes()[code].caption, " Błąd!");
    EXPECT_EQ(window.Boxes()[code].text, messages[code]) << code;
  }
  EXPECT_EQ(window.Boxes()[9].text, "???");
  EXPECT_EQ(window.Changes().size(), 10U) << "the box alone; no register, no journal";
}

}  // namespace
}  // namespace calc
