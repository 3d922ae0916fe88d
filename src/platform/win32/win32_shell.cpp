#include "platform/win32/win32_shell.h"

#include <commctrl.h>
#include <float.h>
#include <xmmintrin.h>

namespace orvalek::win32 {
namespace {

// MXCSR: the six exception masks, and the rounding field (00 = to nearest).
constexpr unsigned kSseExceptionMasks = 0x1F80;
constexpr unsigned kSseRoundingField = 0x6000;

}  // namespace

void Win32Shell::prepareUserInterface() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

void Win32Shell::setFloatingPointDefaults() {
  // The x87 unit (still used by 32-bit code for some library calls) and the
  // SSE unit each keep their own settings.
  _fpreset();
  _controlfp(_RC_NEAR, _MCW_RC);
  _controlfp(_MCW_EM, _MCW_EM);
  _mm_setcsr((_mm_getcsr() & ~kSseRoundingField) | kSseExceptionMasks);
}

}  // namespace orvalek::win32
