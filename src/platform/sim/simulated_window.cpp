#include "platform/sim/simulated_window.h"

#include <algorithm>
#include <iterator>

#include "ui/control_properties.h"
#include "ui/gbk_texts.h"

namespace orvalek::sim {

namespace {
// SetTimer raises a shorter period to this minimum.
constexpr std::int32_t kShortestTimerPeriodMs = 10;
}  // namespace

SimulatedWindow::SimulatedWindow(VirtualClock& clock)
    : clock_(clock), position_(centredMainWindowPosition(screen_)) {
  const auto initially = [this](ControlId control, std::string_view text) {
    texts_[indexOf(control)] = Text(text);
  };
  initially(ControlId::MainWindow, texts::kWindowTitle);
  initially(ControlId::按钮1, texts::kHelpButton);
  initially(ControlId::选择框_是否循环操作, texts::kLoopCheckBox);
  initially(ControlId::按钮_开始, texts::kStartButton);
  initially(ControlId::编辑框_操作类型, "0");
  initially(ControlId::标签7, texts::kClickKindLabel);
  initially(ControlId::标签_显示时间, texts::kNextClickLabel);
  initially(ControlId::标签6, texts::kYLabel);
  initially(ControlId::标签5, texts::kXLabel);
  initially(ControlId::标签4, texts::kSecondsLabel);
  initially(ControlId::编辑框_秒, "1");
  initially(ControlId::标签3, texts::kMinutesLabel);
  initially(ControlId::编辑框_分, "0");
  initially(ControlId::标签2, texts::kHoursLabel);
  initially(ControlId::编辑框_时, "0");
  initially(ControlId::标签1, texts::kSetTimeLabel);
  initially(ControlId::按钮_加入, texts::kAddButton);
}

// The window's timer goes with the window; the clock must outlive it.
SimulatedWindow::~SimulatedWindow() { clock_.cancelTimer(timerKey()); }

void SimulatedWindow::setWindowText(ControlId control, std::string_view text) {
  texts_[indexOf(control)] = Text(text);
  log(WindowCall::SetText, control, 0, 0);
}

void SimulatedWindow::showMainWindow(ShowCommand command) {
  log(WindowCall::Show, ControlId::MainWindow, static_cast<std::int32_t>(command), 0);
  visible_ = true;
  switch (command) {
    case ShowCommand::Normal:
      minimized_ = false;
      maximized_ = false;
      active_ = true;
      break;
    case ShowCommand::Restore:
      // From minimised back to the state before it; from maximised to normal.
      if (minimized_) {
        minimized_ = false;
      } else {
        maximized_ = false;
      }
      active_ = true;
      break;
    case ShowCommand::Minimize:
      minimized_ = true;
      active_ = false;  // the next top-level window is activated
      break;
    case ShowCommand::Maximize:
      minimized_ = false;
      maximized_ = true;
      active_ = true;
      break;
  }
}

void SimulatedWindow::moveMainWindow(platform::Point topLeft) {
  log(WindowCall::Move, ControlId::MainWindow, topLeft.x, topLeft.y);
  position_ = topLeft;
}

platform::Size SimulatedWindow::mainWindowSize() const {
  return maximized_ && !minimized_ ? screen_ : kMainWindowOuterSize;
}

void SimulatedWindow::selectEditRange(ControlId box, std::int32_t start, std::int32_t end) {
  log(WindowCall::SelectRange, box, start, end);
  selections_[indexOf(box)] = {start, end};
  ++scrollCarets_[indexOf(box)];
}

void SimulatedWindow::setTimer(std::int32_t periodMs) {
  log(WindowCall::SetTimer, ControlId::时钟1, periodMs, 0);
  timerPeriodMs_ = std::max(periodMs, kShortestTimerPeriodMs);
  // Setting the timer again replaces it: the period counts from now.
  clock_.armTimer(timerKey(), timerPeriodMs_, [this] {
    if (timerSink_) timerSink_();
  });
}

void SimulatedWindow::killTimer() {
  log(WindowCall::KillTimer, ControlId::时钟1, 0, 0);
  clock_.cancelTimer(timerKey());
}

bool SimulatedWindow::isTimerArmed() const { return clock_.isTimerArmed(timerKey()); }

std::vector<WindowCall> SimulatedWindow::callsOf(WindowCall::Kind kind) const {
  std::vector<WindowCall> matching;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
               [kind](const WindowCall& call) { return call.kind == kind; });
  return matching;
}

void SimulatedWindow::log(WindowCall::Kind kind, ControlId control, std::int32_t first,
                          std::int32_t second) {
  calls_.push_back({kind, control, first, second, clock_.nowMs()});
}

VirtualClock::TimerKey SimulatedWindow::timerKey() const {
  return reinterpret_cast<VirtualClock::TimerKey>(this);
}

}  // namespace orvalek::sim
