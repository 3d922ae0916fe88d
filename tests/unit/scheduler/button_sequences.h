#pragma once

// The button events each click kind must send, written out by hand so the
// tests do not borrow the sender's own tables.

#include <cstdint>
#include <vector>

#include "platform/ports.h"

namespace orvalek::button_events {

inline const std::vector<std::uint32_t> kLeftSingle = {platform::kMouseLeftDown,
                                                       platform::kMouseLeftUp};
inline const std::vector<std::uint32_t> kLeftDouble = {
    platform::kMouseLeftDown, platform::kMouseLeftUp, platform::kMouseLeftDown,
    platform::kMouseLeftUp};
inline const std::vector<std::uint32_t> kRightSingle = {platform::kMouseRightDown,
                                                        platform::kMouseRightUp};
inline const std::vector<std::uint32_t> kRightDouble = {
    platform::kMouseRightDown, platform::kMouseRightUp, platform::kMouseRightDown,
    platform::kMouseRightUp};

}  // namespace orvalek::button_events
