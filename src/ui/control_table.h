#pragma once

// The main window and its twenty controls as the user sees them: kind, place
// and size in the client area, initial text and the characters a one-line
// box takes. The Windows layer creates the controls from this table, in its
// order, and the keyboard rules walk the tab order below.

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/control_id.h"
#include "ui/gbk_texts.h"

namespace orvalek {

enum class ControlKind { PushButton, CheckBox, OneLineEdit, MultiLineEdit, Label, Timer };

// Edit boxes raise the got-focus event and have their text limit lifted.
constexpr bool isEditBox(ControlKind kind) {
  return kind == ControlKind::OneLineEdit || kind == ControlKind::MultiLineEdit;
}

// Which typed characters (code 32 and above) a one-line box takes.
enum class CharacterFilter { None, Integer, Decimal };

struct ControlDefinition {
  ControlId id;
  ControlKind kind;
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
  std::string_view initialText;
  CharacterFilter filter;
};

// In the order of creation.
inline constexpr std::array<ControlDefinition, kControlCount> kControlTable = {{
    {ControlId::按钮1, ControlKind::PushButton, 152, 8, 80, 32, texts::kHelpButton,
     CharacterFilter::None},
    {ControlId::选择框_是否循环操作, ControlKind::CheckBox, 8, 200, 120, 24, texts::kLoopCheckBox,
     CharacterFilter::None},
    {ControlId::按钮_开始, ControlKind::PushButton, 152, 184, 80, 32, texts::kStartButton,
     CharacterFilter::None},
    {ControlId::编辑框_操作类型, ControlKind::OneLineEdit, 8, 144, 80, 20, "0",
     CharacterFilter::Integer},
    {ControlId::标签7, ControlKind::Label, 96, 144, 32, 24, texts::kClickKindLabel,
     CharacterFilter::None},
    {ControlId::编辑框_操作组合, ControlKind::MultiLineEdit, 248, 8, 192, 208, "",
     CharacterFilter::None},
    {ControlId::标签_显示时间, ControlKind::Label, 8, 169, 120, 24, texts::kNextClickLabel,
     CharacterFilter::None},
    {ControlId::标签6, ControlKind::Label, 91, 112, 24, 24, texts::kYLabel, CharacterFilter::None},
    {ControlId::标签5, ControlKind::Label, 91, 80, 24, 24, texts::kXLabel, CharacterFilter::None},
    {ControlId::编辑框_Y, ControlKind::OneLineEdit, 8, 112, 80, 20, "", CharacterFilter::Integer},
    {ControlId::编辑框_X, ControlKind::OneLineEdit, 8, 80, 80, 20, "", CharacterFilter::Integer},
    {ControlId::标签4, ControlKind::Label, 216, 112, 32, 24, texts::kSecondsLabel,
     CharacterFilter::None},
    {ControlId::编辑框_秒, ControlKind::OneLineEdit, 128, 112, 80, 20, "1",
     CharacterFilter::Decimal},
    {ControlId::标签3, ControlKind::Label, 216, 80, 32, 24, texts::kMinutesLabel,
     CharacterFilter::None},
    {ControlId::编辑框_分, ControlKind::OneLineEdit, 128, 80, 80, 20, "0",
     CharacterFilter::Decimal},
    {ControlId::标签2, ControlKind::Label, 216, 48, 32, 24, texts::kHoursLabel,
     CharacterFilter::None},
    {ControlId::编辑框_时, ControlKind::OneLineEdit, 128, 48, 80, 20, "0",
     CharacterFilter::Decimal},
    {ControlId::时钟1, ControlKind::Timer, 8, 16, 26, 26, "", CharacterFilter::None},
    {ControlId::标签1, ControlKind::Label, 40, 48, 80, 24, texts::kSetTimeLabel,
     CharacterFilter::None},
    {ControlId::按钮_加入, ControlKind::PushButton, 152, 144, 80, 32, texts::kAddButton,
     CharacterFilter::None},
}};

// The order in which Tab moves the focus; labels and the timer take no part.
inline constexpr std::array<ControlId, 11> kTabOrder = {
    ControlId::按钮_加入,           ControlId::编辑框_时,       ControlId::编辑框_分,
    ControlId::编辑框_秒,           ControlId::编辑框_X,        ControlId::编辑框_Y,
    ControlId::编辑框_操作组合,     ControlId::编辑框_操作类型, ControlId::按钮_开始,
    ControlId::选择框_是否循环操作, ControlId::按钮1,
};

// The table row of `id`; the main window itself has none.
constexpr const ControlDefinition* findControlDefinition(ControlId id) {
  for (const ControlDefinition& definition : kControlTable) {
    if (definition.id == id) return &definition;
  }
  return nullptr;
}

}  // namespace orvalek
