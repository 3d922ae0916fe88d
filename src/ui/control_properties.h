#pragma once

// The named properties through which the logic reads and writes the main
// window and its controls, with their exact write rules, on top of the
// platform's window calls.

#include <cstdint>
#include <string_view>

#include "oplist/text_rules.h"
#include "platform/ports.h"
#include "ui/control_id.h"

namespace orvalek {

// Outer size of the main window, frame and title bar included.
inline constexpr platform::Size kMainWindowOuterSize{462, 255};

// Top left corner of the main window centred on a screen of `screen`, as at
// creation: each half-difference truncated.
platform::Point centredMainWindowPosition(platform::Size screen);

class ControlProperties {
 public:
  explicit ControlProperties(platform::WindowPort& window) : window_(window) {}

  // Title bar of the main window.
  Text caption();
  void setCaption(std::string_view text);

  // 2 while minimised, 3 while maximised, else 0.
  std::int32_t displayState();
  // Clamped to 0..3; does nothing while the window is hidden.
  void setDisplayState(std::int32_t state);

  // Edit boxes.
  Text text(ControlId box);
  void setText(ControlId box, std::string_view text);
  void setSelectionStart(ControlId box, std::int32_t start);
  void setSelectionLength(ControlId box, std::int32_t length);

  // The loop check box: 1 while it shows a check.
  std::int32_t checked(ControlId box);

  // Labels.
  void setLabelCaption(ControlId label, std::string_view text);

  // 时钟1: the interval in force, 0 while disarmed. Writing the interval in
  // force changes nothing (the timer keeps its phase); any other write
  // re-arms from the moment of the write; below 0 counts as 0.
  std::int32_t interval() const { return intervalMs_; }
  void setInterval(std::int32_t intervalMs);

  platform::WindowHandle windowHandle() { return window_.mainWindowHandle(); }

 private:
  struct Selection {
    std::int32_t start = 0;
    std::int32_t length = 0;
  };
  Selection& selectionOf(ControlId box);

  platform::WindowPort& window_;
  std::int32_t intervalMs_ = 0;
  Selection selections_[kControlCount + 1] = {};
};

}  // namespace orvalek
