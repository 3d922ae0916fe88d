#pragma once

// The labels of the main window: one line of black text on the button face,
// left-aligned and vertically centred, drawn by the program itself. The text
// lives in the window, so WM_GETTEXT answers with what the label shows.

#include <windows.h>

namespace orvalek::win32 {

// The class description of a label window, for `instance`.
WNDCLASSEXW labelWindowClass(HINSTANCE instance);

}  // namespace orvalek::win32
