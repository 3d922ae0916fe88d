#pragma once

// Virtual time for the simulated desktop. Nothing moves on its own: a test
// advances the clock, and every periodic timer that falls due on the way
// fires at its own due time, in time order. No sleeps, no threads.

#include <cstdint>
#include <functional>
#include <map>

#include "platform/ports.h"

namespace orvalek::sim {

class VirtualClock : public platform::ClockPort {
 public:
  // Each owner of a timer picks its own key (the simulated window uses its
  // address), so that owners never disturb each other's timers.
  using TimerKey = std::uintptr_t;

  // Virtual milliseconds since the clock was made.
  std::int64_t nowMs() const { return nowMs_; }

  // Moves time on, firing every timer that falls due up to the target. A
  // callback sees nowMs() at its own due time and may arm or cancel timers,
  // its own included; a timer armed inside a callback counts from then.
  void advance(std::int64_t ms);
  void advanceTo(std::int64_t targetMs);

  // Arms (or re-arms) the timer `key`: due at now + period, then every
  // period. A period below 1 ms counts as 1 ms.
  void armTimer(TimerKey key, std::int64_t periodMs, std::function<void()> callback);
  void cancelTimer(TimerKey key);
  bool isTimerArmed(TimerKey key) const { return timers_.contains(key); }
  // When the armed timer `key` next fires; -1 when it is not armed.
  std::int64_t nextDueMs(TimerKey key) const;

  // The local time of day at this moment; it then moves on with every whole
  // virtual second elapsed since, wrapping at midnight.
  void setTimeOfDay(std::int32_t hour, std::int32_t minute, std::int32_t second);
  platform::TimeOfDay localTimeOfDay() override;

  // The tick count at this moment; it then moves on with the virtual clock.
  void setTickCount(std::uint32_t tick);
  // Each later tickCount() read moves the clock on by `ms` after the reading
  // (firing due timers), as time passes between a loop's passes.
  void setTickAdvancePerRead(std::int64_t ms) { tickAdvancePerReadMs_ = ms; }
  std::uint32_t tickCount() override;

 private:
  struct Timer {
    std::int64_t dueMs = 0;
    std::int64_t periodMs = 0;
    std::uint64_t armOrder = 0;  // breaks ties between timers due at once
    std::function<void()> callback;
  };
  // The timer due first at or before `targetMs`; timers_.end() when none.
  std::map<TimerKey, Timer>::iterator firstDueBy(std::int64_t targetMs);

  std::int64_t nowMs_ = 0;
  std::map<TimerKey, Timer> timers_;
  std::uint64_t nextArmOrder_ = 0;

  std::int64_t secondOfDayBase_ = 0;
  std::int64_t timeOfDaySetAtMs_ = 0;

  std::uint32_t tickBase_ = 0;
  std::int64_t tickSetAtMs_ = 0;
  std::int64_t tickAdvancePerReadMs_ = 0;
};

}  // namespace orvalek::sim
