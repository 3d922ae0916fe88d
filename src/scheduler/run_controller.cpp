#include "scheduler/run_controller.h"

#include <optional>

#include "oplist/operation_list.h"
#include "oplist/text_rules.h"
#include "scheduler/click_sender.h"
#include "scheduler/next_click_clock.h"
#include "ui/gbk_texts.h"

namespace orvalek {

namespace {
constexpr std::int32_t kShownNormally = 0;
constexpr std::int32_t kMinimized = 2;
}  // namespace

void RunController::startRun() {
  state_.lines = splitOperationList(controls_.text(ControlId::编辑框_操作组合));
  state_.lineCount = state_.lines.count();
  state_.currentLine = 1;
  if (!parseCurrentLine()) {
    writeRunningCaption();
    haltWithoutEntry();
    return;
  }
  updateNextClickClock(state_, clock_, controls_);
  controls_.setInterval(state_.current.delayMs);
  writeRunningCaption();
  controls_.setDisplayState(kMinimized);
}

void RunController::onTimerTick() {
  sendClick(input_, state_.current.x, state_.current.y, state_.current.clickKind);
  ++state_.currentLine;
  // The loop box is read at every tick, so toggling it mid-run takes effect
  // at the end of the pass under way.
  if (controls_.checked(ControlId::选择框_是否循环操作) == 1 &&
      state_.currentLine > state_.lineCount) {
    state_.currentLine = 1;
  }
  if (state_.currentLine > state_.lineCount) {
    controls_.setInterval(0);
    controls_.setCaption(texts::kStoppedCaption);
    controls_.setDisplayState(kShownNormally);
    return;
  }
  writeRunningCaption();
  if (!parseCurrentLine()) {
    haltWithoutEntry();
    return;
  }
  updateNextClickClock(state_, clock_, controls_);
  // The interval in force is kept as it runs: a line with the same wait as
  // the one before follows one period after the previous tick.
  controls_.setInterval(state_.current.delayMs);
}

void RunController::toggleRun() {
  if (controls_.interval() != 0) {
    // Only the timer stops: caption, window and run state stay as they are.
    controls_.setInterval(0);
    return;
  }
  startRun();
}

void RunController::releaseLines() {
  state_.lines = OperationList{};
  state_.lineCount = 0;
}

bool RunController::parseCurrentLine() {
  const std::optional<OperationEntry> entry = parseOperation(state_.lines, state_.currentLine);
  state_.current = entry.value_or(OperationEntry{});
  return entry.has_value();
}

void RunController::writeRunningCaption() {
  controls_.setCaption(joinTexts({texts::kRunningCaptionPrefix, formatInt(state_.currentLine)}));
}

// A line that holds no operation (beyond the list, or fewer than six fields)
// ends the run at that line instead of ending the program: the caption keeps
// the line's number so the user can find it, and the window comes back so
// the user sees that the run stopped. The list box is left as it is.
void RunController::haltWithoutEntry() {
  controls_.setInterval(0);
  controls_.setDisplayState(kShownNormally);
}

}  // namespace orvalek
