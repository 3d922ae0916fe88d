#pragma once

// The main window and its controls on the simulated desktop, as plain
// state: texts, show state, place, selections, check marks and the one
// periodic timer, which runs on the virtual clock. The platform calls worth
// asserting are logged with their virtual time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "oplist/text_rules.h"
#include "platform/ports.h"
#include "platform/sim/virtual_clock.h"
#include "ui/control_id.h"

namespace orvalek::sim {

struct WindowCall {
  enum Kind { SetText, Show, Move, SelectRange, SetTimer, KillTimer };
  Kind kind = SetText;
  ControlId control = ControlId::MainWindow;
  std::int32_t first = 0;   // Show: the command; Move: x; SelectRange: start; SetTimer: period
  std::int32_t second = 0;  // Move: y; SelectRange: end
  std::int64_t atMs = 0;
  friend bool operator==(const WindowCall&, const WindowCall&) = default;
};

struct EditSelection {
  std::int32_t start = 0;
  std::int32_t end = 0;
  friend bool operator==(const EditSelection&, const EditSelection&) = default;
};

class SimulatedWindow : public platform::WindowPort {
 public:
  // The window starts as start-up leaves it: created with its controls'
  // initial texts, centred on a 1920 x 1080 screen, shown and active.
  explicit SimulatedWindow(VirtualClock& clock);
  ~SimulatedWindow() override;
  SimulatedWindow(const SimulatedWindow&) = delete;
  SimulatedWindow& operator=(const SimulatedWindow&) = delete;

  static constexpr platform::WindowHandle kHandle = 0x000A0B2C;

  // WindowPort.
  platform::WindowHandle mainWindowHandle() override { return kHandle; }
  Text windowText(ControlId control) override { return texts_[indexOf(control)]; }
  void setWindowText(ControlId control, std::string_view text) override;
  bool isMainWindowVisible() override { return visible_; }
  bool isMinimized() override { return minimized_; }
  bool isMaximized() override { return maximized_ && !minimized_; }
  void showMainWindow(ShowCommand command) override;
  platform::Point mainWindowPosition() override { return position_; }
  void moveMainWindow(platform::Point topLeft) override;
  platform::Size primaryScreenSize() override { return screen_; }
  void selectEditRange(ControlId box, std::int32_t start, std::int32_t end) override;
  bool isChecked(ControlId box) override { return checked_[indexOf(box)]; }
  void setTimer(std::int32_t periodMs) override;
  void killTimer() override;

  // What a test sets up or does as the user.
  void setVisible(bool visible) { visible_ = visible; }
  void setScreenSize(platform::Size screen) { screen_ = screen; }
  void setChecked(ControlId box, bool checked) { checked_[indexOf(box)] = checked; }
  // The routine the timer's periodic event runs (the program's tick handler).
  void setTimerSink(std::function<void()> sink) { timerSink_ = std::move(sink); }

  // What a test looks at.
  bool isActive() const { return active_; }
  // Outer size: the screen while maximised, else the window's own.
  platform::Size mainWindowSize() const;
  EditSelection selection(ControlId box) const { return selections_[indexOf(box)]; }
  std::int32_t scrollCaretCount(ControlId box) const { return scrollCarets_[indexOf(box)]; }
  bool isTimerArmed() const;
  // The period of the armed timer; 0 while none is armed.
  std::int32_t timerPeriodMs() const { return isTimerArmed() ? timerPeriodMs_ : 0; }
  const std::vector<WindowCall>& calls() const { return calls_; }
  std::vector<WindowCall> callsOf(WindowCall::Kind kind) const;
  void clearCalls() { calls_.clear(); }

 private:
  static constexpr std::size_t kSlots = kControlCount + 1;
  static std::size_t indexOf(ControlId control) { return static_cast<std::size_t>(control); }
  void log(WindowCall::Kind kind, ControlId control, std::int32_t first, std::int32_t second);
  VirtualClock::TimerKey timerKey() const;

  VirtualClock& clock_;
  std::array<Text, kSlots> texts_;
  std::array<EditSelection, kSlots> selections_{};
  std::array<std::int32_t, kSlots> scrollCarets_{};
  std::array<bool, kSlots> checked_{};
  bool visible_ = true;
  bool minimized_ = false;
  bool maximized_ = false;  // kept while minimised, so a restore returns to it
  bool active_ = true;
  platform::Size screen_{1920, 1080};
  platform::Point position_;
  std::int32_t timerPeriodMs_ = 0;
  std::function<void()> timerSink_;
  std::vector<WindowCall> calls_;
};

}  // namespace orvalek::sim
