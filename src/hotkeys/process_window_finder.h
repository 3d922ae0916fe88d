#pragma once

// Finds a visible top-level window of a process by walking the top-level
// windows one per pass, within a time limit, optionally narrowed by title
// and class texts.

#include <cstdint>
#include <optional>
#include <string_view>

#include "oplist/text_rules.h"
#include "platform/ports.h"

namespace orvalek {

inline constexpr std::int32_t kDefaultFinderLimitMs = 31'536'000;

// 0 when the limit runs out. A limit omitted or -1 is kDefaultFinderLimitMs.
platform::WindowHandle findProcessWindow(platform::WindowWalkPort& walk, platform::ClockPort& clock,
                                         std::uint32_t processId,
                                         std::optional<std::string_view> wantedTitle = std::nullopt,
                                         std::optional<std::string_view> wantedClass = std::nullopt,
                                         std::optional<std::int32_t> timeLimitMs = std::nullopt);

std::uint32_t processIdOfWindow(platform::WindowWalkPort& walk, platform::WindowHandle window);
Text windowTitleText(platform::WindowWalkPort& walk, platform::WindowHandle window);
Text windowClassText(platform::WindowWalkPort& walk, platform::WindowHandle window);

}  // namespace orvalek
