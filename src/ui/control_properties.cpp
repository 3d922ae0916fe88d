#include "ui/control_properties.h"

#include <algorithm>
#include <limits>

namespace orvalek {

namespace {
using ShowCommand = platform::WindowPort::ShowCommand;

// A selection's end stays a 32-bit position even for absurd lengths.
std::int32_t selectionEnd(std::int32_t start, std::int32_t length) {
  const std::int64_t end = std::int64_t{start} + length;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(end, std::numeric_limits<std::int32_t>::max()));
}
}  // namespace

platform::Point centredMainWindowPosition(platform::Size screen) {
  return {(screen.width - kMainWindowOuterSize.width) / 2,
          (screen.height - kMainWindowOuterSize.height) / 2};
}

Text ControlProperties::caption() { return window_.windowText(ControlId::MainWindow); }

void ControlProperties::setCaption(std::string_view text) {
  window_.setWindowText(ControlId::MainWindow, text);
}

std::int32_t ControlProperties::displayState() {
  if (window_.isMinimized()) return 2;
  if (window_.isMaximized()) return 3;
  return 0;
}

void ControlProperties::setDisplayState(std::int32_t state) {
  const std::int32_t clamped = std::clamp(state, 0, 3);
  if (!window_.isMainWindowVisible()) return;
  switch (clamped) {
    case 0:
      window_.showMainWindow(ShowCommand::Normal);
      break;
    case 1: {
      if (window_.isMinimized() || window_.isMaximized()) {
        window_.showMainWindow(ShowCommand::Restore);
      }
      const platform::Point centre = centredMainWindowPosition(window_.primaryScreenSize());
      if (window_.mainWindowPosition() != centre) window_.moveMainWindow(centre);
      break;
    }
    case 2:
      window_.showMainWindow(ShowCommand::Minimize);
      break;
    default:
      window_.showMainWindow(ShowCommand::Maximize);
      break;
  }
}

Text ControlProperties::text(ControlId box) { return window_.windowText(box); }

void ControlProperties::setText(ControlId box, std::string_view text) {
  window_.setWindowText(box, text);
}

void ControlProperties::setSelectionStart(ControlId box, std::int32_t start) {
  Selection& selection = selectionOf(box);
  if (start == -1) {
    selection.start = textByteLength(window_.windowText(box));
    selection.length = 0;
  } else {
    selection.start = std::max(start, 0);
  }
  window_.selectEditRange(box, selection.start, selectionEnd(selection.start, selection.length));
}

void ControlProperties::setSelectionLength(ControlId box, std::int32_t length) {
  Selection& selection = selectionOf(box);
  if (length == -1) {
    selection.start = 0;
    selection.length = textByteLength(window_.windowText(box));
  } else {
    selection.length = std::max(length, 0);
  }
  window_.selectEditRange(box, selection.start, selectionEnd(selection.start, selection.length));
}

std::int32_t ControlProperties::checked(ControlId box) { return window_.isChecked(box) ? 1 : 0; }

void ControlProperties::setLabelCaption(ControlId label, std::string_view text) {
  window_.setWindowText(label, text);
}

void ControlProperties::setInterval(std::int32_t intervalMs) {
  const std::int32_t wanted = std::max(intervalMs, 0);
  // The interval in force keeps the armed timer's period and phase.
  if (wanted == intervalMs_) return;
  if (intervalMs_ > 0) window_.killTimer();
  intervalMs_ = wanted;
  if (wanted > 0) window_.setTimer(wanted);
}

ControlProperties::Selection& ControlProperties::selectionOf(ControlId box) {
  return selections_[static_cast<int>(box)];
}

}  // namespace orvalek
