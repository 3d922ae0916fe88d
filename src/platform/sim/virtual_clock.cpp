#include "platform/sim/virtual_clock.h"

#include <algorithm>
#include <utility>

namespace orvalek::sim {

namespace {
constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
}

void VirtualClock::advance(std::int64_t ms) { advanceTo(nowMs_ + std::max<std::int64_t>(ms, 0)); }

void VirtualClock::advanceTo(std::int64_t targetMs) {
  for (auto due = firstDueBy(targetMs); due != timers_.end(); due = firstDueBy(targetMs)) {
    // A callback that advances the clock itself (a message box hook, say) may
    // already have moved time past this due time; time never runs back.
    nowMs_ = std::max(nowMs_, due->second.dueMs);
    due->second.dueMs += due->second.periodMs;
    // The callback may cancel or re-arm its own timer, which would destroy
    // the function object while it runs: call a copy.
    auto callback = due->second.callback;
    callback();
  }
  nowMs_ = std::max(nowMs_, targetMs);
}

std::map<VirtualClock::TimerKey, VirtualClock::Timer>::iterator VirtualClock::firstDueBy(
    std::int64_t targetMs) {
  auto first = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    const Timer& timer = it->second;
    if (timer.dueMs > targetMs) continue;
    if (first == timers_.end() || timer.dueMs < first->second.dueMs ||
        (timer.dueMs == first->second.dueMs && timer.armOrder < first->second.armOrder)) {
      first = it;
    }
  }
  return first;
}

void VirtualClock::armTimer(TimerKey key, std::int64_t periodMs, std::function<void()> callback) {
  const std::int64_t period = std::max<std::int64_t>(periodMs, 1);
  timers_[key] = Timer{nowMs_ + period, period, nextArmOrder_++, std::move(callback)};
}

void VirtualClock::cancelTimer(TimerKey key) { timers_.erase(key); }

std::int64_t VirtualClock::nextDueMs(TimerKey key) const {
  const auto it = timers_.find(key);
  return it == timers_.end() ? -1 : it->second.dueMs;
}

void VirtualClock::setTimeOfDay(std::int32_t hour, std::int32_t minute, std::int32_t second) {
  secondOfDayBase_ = (std::int64_t{hour} * 60 + minute) * 60 + second;
  timeOfDaySetAtMs_ = nowMs_;
}

platform::TimeOfDay VirtualClock::localTimeOfDay() {
  const std::int64_t elapsedSeconds = (nowMs_ - timeOfDaySetAtMs_) / 1000;
  std::int64_t secondOfDay = (secondOfDayBase_ + elapsedSeconds) % kSecondsPerDay;
  if (secondOfDay < 0) secondOfDay += kSecondsPerDay;
  return platform::TimeOfDay{static_cast<std::int32_t>(secondOfDay / 3600),
                             static_cast<std::int32_t>(secondOfDay / 60 % 60),
                             static_cast<std::int32_t>(secondOfDay % 60)};
}

void VirtualClock::setTickCount(std::uint32_t tick) {
  tickBase_ = tick;
  tickSetAtMs_ = nowMs_;
}

std::uint32_t VirtualClock::tickCount() {
  // The tick count wraps at 2^32 like the system's.
  const auto reading =
      static_cast<std::uint32_t>(tickBase_ + static_cast<std::uint64_t>(nowMs_ - tickSetAtMs_));
  if (tickAdvancePerReadMs_ > 0) advance(tickAdvancePerReadMs_);
  return reading;
}

}  // namespace orvalek::sim
