#include "hotkeys/process_window_finder.h"

#include <limits>

namespace orvalek {

namespace {

// Slack below the limit at which the elapsed time already counts as reached.
constexpr double kLimitSlackMs = 0.0000001;

// The class name buffer: a longer class name is cut to its first 49 bytes.
constexpr std::int32_t kClassNameBufferSize = 50;

// Uptime now minus the start, both read as signed 32-bit counts and
// subtracted as reals.
double elapsedMs(std::uint32_t start, std::uint32_t now) {
  return static_cast<double>(static_cast<std::int32_t>(now)) -
         static_cast<double>(static_cast<std::int32_t>(start));
}

// The bytes the platform wrote into `buffer`, up to their terminating zero.
Text textUpToZero(const Text& buffer) { return buffer.substr(0, buffer.find('\0')); }

}  // namespace

std::uint32_t processIdOfWindow(platform::WindowWalkPort& walk, platform::WindowHandle window) {
  return walk.windowProcessId(window);
}

Text windowTitleText(platform::WindowWalkPort& walk, platform::WindowHandle window) {
  const std::int32_t length = walk.windowTextLength(window);
  // Room for the terminating zero as well; a length that leaves none is
  // taken as it is rather than overflowing.
  const std::int32_t size = length < std::numeric_limits<std::int32_t>::max() ? length + 1 : length;
  Text buffer = spaceText(size);
  walk.windowTitle(window, buffer.data(), static_cast<std::int32_t>(buffer.size()));
  return textUpToZero(buffer);
}

Text windowClassText(platform::WindowWalkPort& walk, platform::WindowHandle window) {
  Text buffer = spaceText(kClassNameBufferSize);
  walk.windowClassName(window, buffer.data(), kClassNameBufferSize);
  return textUpToZero(buffer);
}

platform::WindowHandle findProcessWindow(platform::WindowWalkPort& walk, platform::ClockPort& clock,
                                         std::uint32_t processId,
                                         std::optional<std::string_view> wantedTitle,
                                         std::optional<std::string_view> wantedClass,
                                         std::optional<std::int32_t> timeLimitMs) {
  const std::uint32_t start = clock.tickCount();
  const std::int32_t limitMs =
      !timeLimitMs.has_value() || *timeLimitMs == -1 ? kDefaultFinderLimitMs : *timeLimitMs;
  // An omitted wanted text counts as the empty one in the containment tests.
  const std::string_view titleToFind = wantedTitle.value_or(std::string_view{});
  const std::string_view classToFind = wantedClass.value_or(std::string_view{});

  platform::WindowHandle current = 0;
  for (;;) {
    if (elapsedMs(start, clock.tickCount()) - static_cast<double>(limitMs) >= -kLimitSlackMs) {
      return 0;
    }
    // One window per pass; after the last (0) the next pass starts over.
    current = walk.nextTopLevelWindow(current);
    const bool candidate = walk.isWindow(current) == 1 && walk.isWindowVisible(current) &&
                           processIdOfWindow(walk, current) == processId;
    if (candidate) {
      const Text title = windowTitleText(walk, current);
      const Text className = windowClassText(walk, current);
      if (findSubtext(title, titleToFind) != -1 || findSubtext(className, classToFind) != -1 ||
          !wantedTitle.has_value() || !wantedClass.has_value()) {
        return current;
      }
    }
    walk.dispatchPendingMessages();
  }
}

}  // namespace orvalek
