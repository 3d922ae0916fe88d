#include "probe/commands.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

#include "common/json_writer.h"
#include "common/monotonic_ms.h"
#include "common/utf8.h"

namespace e2e {
namespace {

// Long enough for a 20,000-line list under a slow emulator, short enough
// that a hung program fails the test instead of the whole run.
constexpr UINT kSendTimeoutMs = 10000;

std::int64_t handleNumber(HWND window) {
  return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(window));
}

LRESULT sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result)) {
    throw RequestError(std::string("no answer to message ").append(std::to_string(message)));
  }
  return static_cast<LRESULT>(result);
}

HWND existingWindow(const Request& request, size_t index) {
  HWND window = request.window(index);
  if (!IsWindow(window)) throw RequestError("no such window");
  return window;
}

std::string className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return toUtf8(name);
}

// The caption as the window manager keeps it, without sending a message.
std::string titleOf(HWND window) {
  std::wstring title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
  title.resize(static_cast<size_t>(length > 0 ? length : 0));
  return toUtf8(title);
}

// The text a control gives WM_GETTEXT, as a screen reader reads it.
std::wstring controlText(HWND window) {
  const auto length = static_cast<size_t>(sendOrThrow(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(sendOrThrow(
      window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < length ? copied : length);
  return text;
}

// A JSON array of numbers. Built by appending: GCC 12 warns wrongly on
// chains of string concatenation at -O3.
std::string numberArray(std::initializer_list<long> numbers) {
  std::string array = "[";
  for (const long number : numbers) {
    if (array.size() > 1) array += ',';
    array += std::to_string(number);
  }
  array += ']';
  return array;
}

std::string rectJson(const RECT& rect) {
  return numberArray({rect.left, rect.top, rect.right, rect.bottom});
}

JsonObject ping(const Request&) {
  wchar_t userLocale[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(userLocale, LOCALE_NAME_MAX_LENGTH);
  return JsonObject()
      .add("acp", static_cast<std::int64_t>(GetACP()))
      .add("user_locale", toUtf8(userLocale))
      .add("screen_width", GetSystemMetrics(SM_CXSCREEN))
      .add("screen_height", GetSystemMetrics(SM_CYSCREEN))
      .add("time_ms", monotonicMs());
}

JsonObject now(const Request&) { return JsonObject().add("time_ms", monotonicMs()); }

// A named callback: a lambda has no stdcall conversion on 32-bit x86.
BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// Top-level windows whose caption contains the text, in Z order.
JsonObject topLevelWindows(const Request& request) {
  const std::string wanted = toUtf8(request.text(0));
  std::vector<HWND> all;
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
  std::string windows = "[";
  for (HWND window : all) {
    const std::string title = titleOf(window);
    if (title.find(wanted) == std::string::npos) continue;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (windows.size() > 1) windows += ',';
    windows += JsonObject()
                   .add("hwnd", handleNumber(window))
                   .add("title", title)
                   .add("class", className(window))
                   .add("pid", static_cast<std::int64_t>(processId))
                   .add("visible", IsWindowVisible(window) != FALSE)
                   .str();
  }
  return JsonObject().addRaw("windows", windows + "]");
}

JsonObject windowState(const Request& request) {
  HWND window = request.window(0);
  if (!IsWindow(window)) return JsonObject().add("exists", false);
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  POINT clientOrigin{0, 0};
  ClientToScreen(window, &clientOrigin);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  // Wine keeps the X11 window of a top-level window in this property; the
  // tests hand it to xdotool.
  const auto x11Window =
      reinterpret_cast<std::intptr_t>(GetPropW(window, L"__wine_x11_whole_window"));
  return JsonObject()
      .add("exists", true)
      .add("title", titleOf(window))
      .add("class", className(window))
      .addRaw("rect", rectJson(outer))
      .addRaw("client_origin", numberArray({clientOrigin.x, clientOrigin.y}))
      .addRaw("client_size", numberArray({client.right, client.bottom}))
      .add("visible", IsWindowVisible(window) != FALSE)
      .add("minimized", IsIconic(window) != FALSE)
      .add("maximized", IsZoomed(window) != FALSE)
      .add("foreground", GetForegroundWindow() == window)
      .add("style",
           static_cast<std::int64_t>(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))))
      .add("exstyle",
           static_cast<std::int64_t>(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))))
      .add("pid", static_cast<std::int64_t>(processId))
      .add("x11_window", static_cast<std::int64_t>(x11Window));
}

// Direct children in Z order, which for controls is the order of creation.
JsonObject childWindows(const Request& request) {
  HWND parent = existingWindow(request, 0);
  std::string children = "[";
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    if (children.size() > 1) children += ',';
    children +=
        JsonObject()
            .add("hwnd", handleNumber(child))
            .add("class", className(child))
            .add("id", static_cast<std::int64_t>(GetDlgCtrlID(child)))
            .addRaw("rect", rectJson(rect))
            .add("style",
                 static_cast<std::int64_t>(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE))))
            .add("exstyle",
                 static_cast<std::int64_t>(static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE))))
            .add("visible", IsWindowVisible(child) != FALSE)
            .add("enabled", IsWindowEnabled(child) != FALSE)
            .add("text", toUtf8(controlText(child)))
            .str();
  }
  return JsonObject().addRaw("children", children + "]");
}

JsonObject keyboardFocus(const Request& request) {
  HWND window = existingWindow(request, 0);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
    throw RequestError("no thread information");
  }
  return JsonObject()
      .add("focus", handleNumber(info.hwndFocus))
      .add("active", handleNumber(info.hwndActive))
      .add("foreground", handleNumber(GetForegroundWindow()));
}

JsonObject getText(const Request& request) {
  const std::wstring text = controlText(existingWindow(request, 0));
  return JsonObject()
      .add("text", toUtf8(text))
      .add("length", static_cast<std::int64_t>(text.size()));
}

JsonObject setText(const Request& request) {
  HWND window = existingWindow(request, 0);
  const std::wstring text = request.text(1);
  const LRESULT result = sendOrThrow(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return JsonObject().add("result", static_cast<std::int64_t>(result));
}

JsonObject selection(const Request& request) {
  HWND window = existingWindow(request, 0);
  DWORD start = 0;
  DWORD end = 0;
  sendOrThrow(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return JsonObject()
      .add("start", static_cast<std::int64_t>(start))
      .add("end", static_cast<std::int64_t>(end));
}

JsonObject checkState(const Request& request) {
  return JsonObject().add("checked", static_cast<std::int64_t>(sendOrThrow(
                                         existingWindow(request, 0), BM_GETCHECK, 0, 0)));
}

// BM_CLICK runs the button's action before it returns; the two timestamps
// bracket that action, so a test can time what follows from it.
JsonObject clickButton(const Request& request) {
  HWND button = existingWindow(request, 0);
  const double before = monotonicMs();
  sendOrThrow(button, BM_CLICK, 0, 0);
  const double after = monotonicMs();
  return JsonObject().add("t_before", before).add("t_after", after);
}

JsonObject sendMessage(const Request& request) {
  const LRESULT result =
      sendOrThrow(existingWindow(request, 0), static_cast<UINT>(request.integer(1)),
                  static_cast<WPARAM>(request.integer(2)), static_cast<LPARAM>(request.integer(3)));
  return JsonObject().add("result", static_cast<std::int64_t>(result));
}

JsonObject postMessage(const Request& request) {
  const BOOL posted = PostMessageW(
      existingWindow(request, 0), static_cast<UINT>(request.integer(1)),
      static_cast<WPARAM>(request.integer(2)), static_cast<LPARAM>(request.integer(3)));
  if (!posted) throw RequestError("the message could not be posted");
  return JsonObject().add("time_ms", monotonicMs());
}

JsonObject activate(const Request& request) {
  HWND window = existingWindow(request, 0);
  const bool done = SetForegroundWindow(window) != FALSE;
  return JsonObject().add("done", done).add("foreground", GetForegroundWindow() == window);
}

JsonObject cursorPosition(const Request&) {
  POINT point{};
  GetCursorPos(&point);
  return JsonObject().add("x", static_cast<int>(point.x)).add("y", static_cast<int>(point.y));
}

// A screen point of the title bar whose hit-test code is the one asked for
// (HTCLOSE for the close box): the middle of the points that answer it on
// the row halfway between the window's top and its client area.
JsonObject hitTestPoint(const Request& request) {
  HWND window = existingWindow(request, 0);
  const auto wanted = static_cast<LRESULT>(request.integer(1));
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT clientOrigin{0, 0};
  ClientToScreen(window, &clientOrigin);
  const LONG row = (outer.top + clientOrigin.y) / 2;
  LONG first = -1;
  LONG last = -1;
  for (LONG x = outer.right - 1; x > outer.right - 160 && x >= outer.left; --x) {
    if (sendOrThrow(window, WM_NCHITTEST, 0, MAKELPARAM(x, row)) == wanted) {
      if (last < 0) last = x;
      first = x;
    }
  }
  if (first < 0) throw RequestError("no point of the title bar answers that hit-test code");
  return JsonObject()
      .add("x", static_cast<int>((first + last) / 2))
      .add("y", static_cast<int>(row));
}

// Puts the text on the clipboard, for a test that pastes it with Ctrl+V.
JsonObject setClipboard(const Request& request) {
  const std::wstring text = request.text(0);
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) throw RequestError("no memory for the clipboard");
  void* target = GlobalLock(memory);
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(memory);
  bool handedOver = false;
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    // On success the clipboard owns the memory; otherwise it is still ours.
    handedOver = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
  }
  if (!handedOver) {
    GlobalFree(memory);
    throw RequestError("the clipboard took no text");
  }
  return JsonObject();
}

using Command = std::function<JsonObject(const Request&)>;

const std::map<std::string_view, Command>& commandTable() {
  static const std::map<std::string_view, Command> table = {
      {"ping", ping},
      {"time", now},
      {"top", topLevelWindows},
      {"window", windowState},
      {"children", childWindows},
      {"focus", keyboardFocus},
      {"gettext", getText},
      {"settext", setText},
      {"sel", selection},
      {"check", checkState},
      {"click", clickButton},
      {"send", sendMessage},
      {"post", postMessage},
      {"activate", activate},
      {"cursor", cursorPosition},
      {"hittest", hitTestPoint},
      {"setclipboard", setClipboard},
  };
  return table;
}

}  // namespace

std::string answer(const Request& request) {
  const auto& table = commandTable();
  const auto command = table.find(request.name);
  if (command == table.end()) {
    return JsonObject()
        .add("ok", false)
        .add("error", std::string("unknown command: ").append(request.name))
        .str();
  }
  try {
    JsonObject result = command->second(request);
    return JsonObject().add("ok", true).addRaw("result", result.str()).str();
  } catch (const std::exception& error) {
    return JsonObject().add("ok", false).add("error", error.what()).str();
  }
}

}  // namespace e2e
