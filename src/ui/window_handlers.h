#pragma once

// The main window's two handlers of its own.

#include "platform/ports.h"
#include "ui/control_properties.h"

namespace orvalek {

// The help message box: three lines, no owner, task-modal, no icon.
void showHelp(platform::ProcessPort& process);

// Selects the whole text of `box`, so that the next typed character replaces it.
void selectAllOnFocus(ControlProperties& controls, ControlId box);

}  // namespace orvalek
