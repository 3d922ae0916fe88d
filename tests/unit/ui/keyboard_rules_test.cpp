#include "ui/keyboard_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/control_table.h"

namespace orvalek {
namespace {

using Focus = std::optional<ControlId>;

constexpr KeyPress plain(std::uint32_t key) { return {key, false, false, false}; }
constexpr KeyPress shifted(std::uint32_t key) { return {key, true, false, false}; }

KeyDecision focusMove(ControlId target) { return {KeyAction::MoveFocus, target}; }

struct TabCase {
  Focus from;
  ControlId forward;
  ControlId backward;
};

TEST(KeyboardRules, TabAndShiftTabWalkTheTabOrderAndWrapAtBothEnds) {
  const TabCase cases[] = {
      {ControlId::按钮_加入, ControlId::编辑框_时, ControlId::按钮1},
      {ControlId::编辑框_时, ControlId::编辑框_分, ControlId::按钮_加入},
      {ControlId::编辑框_分, ControlId::编辑框_秒, ControlId::编辑框_时},
      {ControlId::编辑框_秒, ControlId::编辑框_X, ControlId::编辑框_分},
      {ControlId::编辑框_X, ControlId::编辑框_Y, ControlId::编辑框_秒},
      {ControlId::编辑框_Y, ControlId::编辑框_操作组合, ControlId::编辑框_X},
      {ControlId::编辑框_操作组合, ControlId::编辑框_操作类型, ControlId::编辑框_Y},
      {ControlId::编辑框_操作类型, ControlId::按钮_开始, ControlId::编辑框_操作组合},
      {ControlId::按钮_开始, ControlId::选择框_是否循环操作, ControlId::编辑框_操作类型},
      {ControlId::选择框_是否循环操作, ControlId::按钮1, ControlId::按钮_开始},
      {ControlId::按钮1, ControlId::按钮_加入, ControlId::选择框_是否循环操作},
      // From outside the order, or with no focus at all, Tab starts at the first.
      {std::nullopt, ControlId::按钮_加入, ControlId::按钮_加入},
      {ControlId::MainWindow, ControlId::按钮_加入, ControlId::按钮_加入},
      {ControlId::标签1, ControlId::按钮_加入, ControlId::按钮_加入},
  };
  for (const TabCase& tab : cases) {
    SCOPED_TRACE(static_cast<int>(tab.from.value_or(ControlId::MainWindow)));
    EXPECT_EQ(decideKeyPress(plain(kVkTab), tab.from), focusMove(tab.forward));
    EXPECT_EQ(decideKeyPress(shifted(kVkTab), tab.from), focusMove(tab.backward));
  }
}

TEST(KeyboardRules, EscClosesTheWindowFromEveryControlAndFromNoFocus) {
  EXPECT_EQ(decideKeyPress(plain(kVkEscape), std::nullopt).action, KeyAction::CloseWindow);
  for (const ControlDefinition& control : kControlTable) {
    SCOPED_TRACE(static_cast<int>(control.id));
    EXPECT_EQ(decideKeyPress(plain(kVkEscape), control.id).action, KeyAction::CloseWindow);
  }
}

struct KeyCase {
  const char* name;
  KeyPress key;
  Focus focus;
  KeyAction expected;
};

TEST(KeyboardRules, EnterBreaksLinesOnlyInTheListBoxAndModifiedKeysBelongToThePlatform) {
  constexpr std::uint32_t kVkF4 = 0x73;
  const KeyCase cases[] = {
      {"Enter in the list box", plain(kVkReturn), ControlId::编辑框_操作组合, KeyAction::PassOn},
      {"Enter in a one-line box", plain(kVkReturn), ControlId::编辑框_X, KeyAction::Swallow},
      {"Enter on a button", plain(kVkReturn), ControlId::按钮_开始, KeyAction::Swallow},
      {"Enter with no focus", plain(kVkReturn), std::nullopt, KeyAction::Swallow},
      {"Shift+Esc", shifted(kVkEscape), ControlId::编辑框_X, KeyAction::PassOn},
      {"Ctrl+Tab", {kVkTab, false, true, false}, ControlId::编辑框_操作组合, KeyAction::PassOn},
      {"Alt+F4", {kVkF4, false, false, true}, ControlId::按钮_加入, KeyAction::PassOn},
      {"Ctrl+Esc", {kVkEscape, false, true, false}, ControlId::按钮_加入, KeyAction::PassOn},
      {"Alt+Enter", {kVkReturn, false, false, true}, ControlId::编辑框_X, KeyAction::PassOn},
      {"a letter", plain('A'), ControlId::编辑框_X, KeyAction::PassOn},
  };
  for (const KeyCase& key : cases) {
    SCOPED_TRACE(key.name);
    EXPECT_EQ(decideKeyPress(key.key, key.focus).action, key.expected);
  }
}

// What typing `typed` into an empty box leaves, one character at a time.
std::string typeInto(CharacterFilter filter, std::string_view typed) {
  std::string box;
  for (const char character : typed) {
    if (characterPasses(filter, static_cast<unsigned char>(character))) box += character;
  }
  return box;
}

TEST(CharacterFilters, IntegerBoxesKeepMinusAndDigitsDecimalBoxesAlsoTheFullStop) {
  EXPECT_EQ(typeInto(CharacterFilter::Integer, "a1-2.5"), "1-25");
  EXPECT_EQ(typeInto(CharacterFilter::Decimal, "a1-2.5"), "1-2.5");
  // Sign and full stop may stand anywhere and repeat: nothing else is checked.
  EXPECT_EQ(typeInto(CharacterFilter::Decimal, "--1..2-"), "--1..2-");
  EXPECT_EQ(typeInto(CharacterFilter::Integer, " +,e9/:"), "9");
  EXPECT_EQ(typeInto(CharacterFilter::None, "a1-2.5"), "a1-2.5");
}

TEST(CharacterFilters, CodesBelow32AlwaysPassAndWideCharactersNeverReachAFilteredBox) {
  for (const CharacterFilter filter : {CharacterFilter::Integer, CharacterFilter::Decimal}) {
    for (std::uint32_t code = 0; code < 32; ++code) {
      EXPECT_TRUE(characterPasses(filter, code)) << code;
    }
    EXPECT_FALSE(characterPasses(filter, 32));
    EXPECT_FALSE(characterPasses(filter, 0x4E2D));  // a CJK character
    EXPECT_FALSE(characterPasses(filter, 0xFF11));  // a full-width digit
  }
}

TEST(ControlTable, EveryFocusableControlStandsInTheTabOrderExactlyOnce) {
  for (const ControlDefinition& control : kControlTable) {
    const bool focusable = control.kind != ControlKind::Label && control.kind != ControlKind::Timer;
    const auto count = std::count(kTabOrder.begin(), kTabOrder.end(), control.id);
    EXPECT_EQ(count, focusable ? 1 : 0) << static_cast<int>(control.id);
  }
}

TEST(ControlTable, RowsStandInCreationOrderSoEachIdNamesItsRow) {
  // The Windows layer hands each control its id as the command id.
  for (std::size_t row = 0; row < kControlTable.size(); ++row) {
    EXPECT_EQ(static_cast<std::size_t>(kControlTable[row].id), row + 1);
  }
}

}  // namespace
}  // namespace orvalek
