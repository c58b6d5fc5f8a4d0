// The keyboard rules fed with key-down / character / key-up sequences as the
// window delivers them, checking what the focused control would receive.
#include "keyboard_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calc {
namespace {

struct RecordingActions : KeyboardActions {
  std::vector<std::string> log;
  KeyboardState* state = nullptr;
  bool showBoxInOperations = false;  // an operation refuses its input with a modal box

  void Operation(const char* name) {
    log.emplace_back(name);
    if (showBoxInOperations) ModalBoxClosed(*state);
  }
  void MultiplyOperands() override { Operation("mul"); }
  void AddOperands() override { Operation("add"); }
  void SubtractOperands() override { Operation("sub"); }
  void DivideOperands() override { Operation("div"); }
  void CloseWindow() override { log.emplace_back("close"); }
  void FocusRegisterY() override { log.emplace_back("focusY"); }
};

// One key event as the window hands it over.
struct Ev {
  enum Kind { Down, Char, Up } kind;
  char32_t value;
};
Ev Down(char32_t vk) { return {Ev::Down, vk}; }
Ev Char(char32_t c) { return {Ev::Char, c}; }
Ev Up(char32_t vk) { return {Ev::Up, vk}; }

constexpr char32_t VkOther = 255;  // any key the rules do not name (letters, main-keyboard "*")

// What reached the focused control: key-downs and key-ups that were not consumed
// ("d<code>", "u<code>") and the typed characters.
struct Outcome {
  std::string typed;
  std::vector<std::string> passedKeys;
};

class KeyboardRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { actions.state = &state; }

  Outcome Feed(const std::vector<Ev>& events) {
    Outcome out;
    for (const Ev& e : events) {
      if (e.kind == Ev::Char) {
        char32_t c = e.value;
        FormKeyPress(state, c);
        if (c != SwallowedChar) out.typed += static_cast<char>(c);
        continue;
      }
      std::uint16_t key = static_cast<std::uint16_t>(e.value);
      if (e.kind == Ev::Down) FormKeyDown(state, actions, key);
      else FormKeyUp(state, key);
      if (key != ConsumedKey)
        out.passedKeys.push_back((e.kind == Ev::Down ? "d" : "u") + std::to_string(key));
    }
    return out;
  }

  KeyboardState state;
  RecordingActions actions;
};

TEST_F(KeyboardRulesTest, StartsWithNothingPending) { EXPECT_FALSE(KeyboardState{}.NumpadPending); }

struct OperatorCase {
  std::uint16_t vk;
  char32_t ch;
  const char* operation;
};

class KeypadOperatorTest : public KeyboardRulesTest,
                           public ::testing::WithParamInterface<OperatorCase> {};

TEST_P(KeypadOperatorTest, RunsItsOperationAndTypesNothing) {
  const OperatorCase p = GetParam();
  const Outcome out = Feed({Down(p.vk), Char(p.ch), Up(p.vk)});
  EXPECT_EQ(out.typed, "");
  EXPECT_TRUE(out.passedKeys.empty());
  EXPECT_EQ(actions.log, std::vector<std::string>{p.operation});
  EXPECT_FALSE(state.NumpadPending);
}

TEST_P(KeypadOperatorTest, HeldDownRepeatsTheOperationUntilTheSingleKeyUp) {
  const OperatorCase p = GetParam();
  const Outcome out = Feed({Down(p.vk), Char(p.ch), Down(p.vk), Char(p.ch), Down(p.vk), Char(p.ch)});
  EXPECT_EQ(out.typed, "");
  EXPECT_EQ(actions.log, (std::vector<std::string>{p.operation, p.operation, p.operation}));
  EXPECT_TRUE(state.NumpadPending);
  Feed({Up(p.vk)});
  EXPECT_FALSE(state.NumpadPending);
}

TEST_P(KeypadOperatorTest, TheSameCharacterFromTheMainKeyboardIsTyped) {
  const OperatorCase p = GetParam();
  const Outcome out = Feed({Down(VkOther), Char(p.ch), Up(VkOther)});
  EXPECT_EQ(out.typed, std::string(1, static_cast<char>(p.ch)));
  EXPECT_EQ(out.passedKeys, (std::vector<std::string>{"d255", "u255"}));
  EXPECT_TRUE(actions.log.empty());
}

INSTANTIATE_TEST_SUITE_P(FourOperators, KeypadOperatorTest,
                         ::testing::Values(OperatorCase{VkMultiply, U'*', "mul"},
                                           OperatorCase{VkAdd, U'+', "add"},
                                           OperatorCase{VkSubtract, U'-', "sub"},
                                           OperatorCase{VkDivide, U'/', "div"}),
                         [](const auto& info) { return std::string(info.param.operation); });

TEST_F(KeyboardRulesTest, KeypadDecimalTypesAPointWhateverTheLayoutGives) {
  for (const char32_t layoutChar : {U',', U'.'}) {
    const Outcome out = Feed({Down(VkDecimal), Char(layoutChar), Up(VkDecimal)});
    EXPECT_EQ(out.typed, ".");
    EXPECT_EQ(out.passedKeys, (std::vector<std::string>{"d110", "u110"}));
    EXPECT_FALSE(state.NumpadPending);
  }
}

TEST_F(KeyboardRulesTest, MainKeyboardCommaStaysAComma) {
  EXPECT_EQ(Feed({Down(VkOther), Char(U','), Up(VkOther)}).typed, ",");
}

TEST_F(KeyboardRulesTest, WhileAKeypadOperatorIsHeldMainKeyboardOperatorsAreSwallowedAndACommaBecomesAPoint) {
  const Outcome out = Feed({Down(VkAdd), Char(U'+'),                   //
                            Down(VkOther), Char(U'*'), Up(VkOther),    // swallowed
                            Down(VkOther), Char(U','), Up(VkOther),    // becomes "." and clears
                            Down(VkOther), Char(U'-'), Up(VkOther),    // typed again
                            Up(VkAdd)});
  EXPECT_EQ(out.typed, ".-");
  EXPECT_EQ(actions.log, std::vector<std::string>{"add"});
}

TEST_F(KeyboardRulesTest, EscapeIsConsumedAndClosesTheWindow) {
  const Outcome out = Feed({Down(VkEscape)});
  EXPECT_TRUE(out.passedKeys.empty());
  EXPECT_EQ(actions.log, std::vector<std::string>{"close"});
}

TEST_F(KeyboardRulesTest, TabAimsAtRegisterYAndStillReachesTheControl) {
  const Outcome out = Feed({Down(VkTab), Up(VkTab)});
  EXPECT_EQ(actions.log, std::vector<std::string>{"focusY"});
  EXPECT_EQ(out.passedKeys, (std::vector<std::string>{"d9", "u9"}));
}

TEST_F(KeyboardRulesTest, OtherKeysAndCharactersPassUntouched) {
  const Outcome out = Feed({Down(U'A'), Char(U'a'), Up(U'A'), Char(U'ł'), Char(U'\b')});
  EXPECT_EQ(out.passedKeys, (std::vector<std::string>{"d65", "u65"}));
  EXPECT_EQ(out.typed.size(), 3u);
  EXPECT_TRUE(actions.log.empty());
}

// A refused keypad operation shows a modal box, which takes the key's release.
// Without clearing the flag as the box closes, the user's next "*" or "," typed on
// the main keyboard would be swallowed or changed.
TEST_F(KeyboardRulesTest, ABoxOpenedByAKeypadOperationDoesNotEatTheNextTypedOperator) {
  actions.showBoxInOperations = true;
  Feed({Down(VkDivide)});  // its release went to the box
  EXPECT_FALSE(state.NumpadPending);
  const Outcome out = Feed({Down(VkOther), Char(U'/'), Up(VkOther), Down(VkOther), Char(U','), Up(VkOther)});
  EXPECT_EQ(out.typed, "/,");
}

}  // namespace
}  // namespace calc
