#pragma once

// The performance counter in milliseconds. Every process of one Wine
// session reads the same counter, so the probe's and the recorder's
// timestamps can be compared directly.

#include <windows.h>

namespace e2e {

inline double monotonicMs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace e2e
