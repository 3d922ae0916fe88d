// The process entry point of the Windows program.

#include <windows.h>

#include "app/allocation_failure.h"
#include "app/program.h"
#include "platform/win32/win32_desktop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  orvalek::win32::Win32Desktop desktop(instance);
  orvalek::Program program({desktop.input, desktop.clock, desktop.window, desktop.hotkeys,
                            desktop.walk, desktop.process, desktop.shell});
  const orvalek::AllocationFailureReporter allocationFailures(program);
  orvalek::runProgram(program);
  program.runExitRoutines();
  return 0;
}
