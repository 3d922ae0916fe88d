// click_recorder <log file>: a window over the whole primary screen that
// writes every mouse button message it receives to the log file, one line
// each, at once: "<ms> <message> <screen x> <screen y>", the time read from
// the performance counter. Its first line is "ready <ms> <window handle>".
// Mouse moves are left out: only presses, releases and double clicks tell
// whether a click of the program under test arrived.

#include <windows.h>

#include <shellapi.h>
#include <windowsx.h>

#include <cstdio>
#include <string>

#include "common/monotonic_ms.h"
#include "common/unique_handle.h"
#include "common/utf8.h"

namespace {

constexpr wchar_t kClassName[] = L"E2eClickRecorder";
constexpr wchar_t kTitle[] = L"click recorder";

const char* buttonMessageName(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return "LBUTTONDOWN";
    case WM_LBUTTONUP:
      return "LBUTTONUP";
    case WM_LBUTTONDBLCLK:
      return "LBUTTONDBLCLK";
    case WM_RBUTTONDOWN:
      return "RBUTTONDOWN";
    case WM_RBUTTONUP:
      return "RBUTTONUP";
    case WM_RBUTTONDBLCLK:
      return "RBUTTONDBLCLK";
    case WM_MBUTTONDOWN:
      return "MBUTTONDOWN";
    case WM_MBUTTONUP:
      return "MBUTTONUP";
    case WM_MBUTTONDBLCLK:
      return "MBUTTONDBLCLK";
    default:
      return nullptr;
  }
}

// The log, written line by line without buffering so that a reader sees
// each message as soon as it has arrived.
class ClickLog {
 public:
  explicit ClickLog(const std::wstring& path)
      : file_(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

  bool valid() const { return file_.valid(); }

  void write(const std::string& line) {
    const std::string withEnd = line + "\n";
    DWORD written = 0;
    WriteFile(file_.get(), withEnd.data(), static_cast<DWORD>(withEnd.size()), &written, nullptr);
  }

 private:
  e2e::UniqueHandle file_;
};

LRESULT CALLBACK recorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const char* name = buttonMessageName(message)) {
    const double now = e2e::monotonicMs();
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &point);
    auto* log = reinterpret_cast<ClickLog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    char line[96];
    std::snprintf(line, sizeof line, "%.3f %s %ld %ld", now, name, point.x, point.y);
    log->write(line);
    return 0;
  }
  // A click lands here without taking the activation: the program under
  // test keeps the foreground and its place above this window, and a test
  // that wants this window focused says so itself.
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring firstArgument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring first = (arguments != nullptr && count > 1) ? arguments[1] : L"";
  LocalFree(arguments);
  return first;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const std::wstring logPath = firstArgument();
  if (logPath.empty()) return 2;
  ClickLog log(logPath);
  if (!log.valid()) return 3;

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  // Without CS_DBLCLKS the second press of a double click would arrive as
  // a plain press, and the test could not tell a double click was seen.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = recorderProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExW(&windowClass)) return 4;

  HWND window =
      CreateWindowExW(0, kClassName, kTitle, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                      GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 5;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  UpdateWindow(window);

  char ready[64];
  std::snprintf(ready, sizeof ready, "ready %.3f %lld", e2e::monotonicMs(),
                static_cast<long long>(reinterpret_cast<std::intptr_t>(window)));
  log.write(ready);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
