#include "platform/win32/main_window.h"

#include "platform/win32/gbk_conversion.h"
#include "platform/win32/label_window.h"
#include "ui/control_properties.h"
#include "ui/control_table.h"
#include "ui/gbk_texts.h"
#include "ui/keyboard_rules.h"

namespace orvalek::win32 {
namespace {

constexpr UINT_PTR kTimerId = 1;
// Edit boxes start with a limit of about 32,000 characters; a long operation
// list must never be cut.
constexpr LPARAM kNoTextLimit = 0x7FFFFFFE;

struct ControlClass {
  LPCWSTR name;
  DWORD style;
  DWORD extendedStyle;
};

ControlClass controlClass(ControlKind kind, LPCWSTR labelClassName) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::PushButton:
      return {L"BUTTON",
              kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER, 0};
    case ControlKind::OneLineEdit:
      return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineEdit:
      // No horizontal scrolling: long lines wrap at the right edge.
      return {L"EDIT",
              kChild | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL |
                  ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      return {labelClassName, kChild, 0};
    case ControlKind::Timer:
      break;
  }
  return {nullptr, 0, 0};
}

bool isButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::CheckBox;
}

WNDCLASSEXW mainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW description{};
  description.cbSize = sizeof(description);
  description.lpfnWndProc = procedure;
  description.hInstance = instance;
  description.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  description.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));      // IDI_APPLICATION
  description.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  description.lpszClassName = L"OrvalekMainWindow";
  return description;
}

WPARAM defaultGuiFont() { return reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance),
      windowClass_(mainWindowClass(instance, &MainWindow::windowProc)),
      labelClass_(labelWindowClass(instance)) {}

bool MainWindow::create(WindowEvents& events) {
  if (windowClass_.name() == nullptr || labelClass_.name() == nullptr) return false;
  events_ = &events;
  const platform::Point place =
      centredMainWindowPosition({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  const std::wstring caption = widenGbk(texts::kWindowTitle);
  // WM_NCCREATE stores the handle in window_ before CreateWindowExW returns.
  const HWND created = CreateWindowExW(
      WS_EX_DLGMODALFRAME, windowClass_.name(), caption.c_str(),
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, place.x, place.y,
      kMainWindowOuterSize.width, kMainWindowOuterSize.height, nullptr, nullptr, instance_, this);
  if (created == nullptr || !createControls()) {
    window_.reset();
    events_ = nullptr;
    return false;
  }
  SendMessageW(handle(), WM_SETFONT, defaultGuiFont(), FALSE);
  focusToRestore_ = windowOf(kTabOrder.front());

  events.onCreated();

  shown_ = true;
  ShowWindow(handle(), SW_SHOWNORMAL);
  UpdateWindow(handle());
  SetFocus(focusToRestore_);
  return true;
}

bool MainWindow::createControls() {
  for (const ControlDefinition& definition : kControlTable) {
    const ControlClass kind = controlClass(definition.kind, labelClass_.name());
    if (kind.name == nullptr) continue;  // the timer is no window
    const std::wstring text = widenGbk(definition.initialText);
    const HWND control = CreateWindowExW(
        kind.extendedStyle, kind.name, text.c_str(), kind.style, definition.left, definition.top,
        definition.width, definition.height, handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.id)), instance_, nullptr);
    if (control == nullptr) return false;
    controls_[static_cast<std::size_t>(definition.id)] = control;
    SendMessageW(control, WM_SETFONT, defaultGuiFont(), FALSE);
    if (isEditBox(definition.kind)) SendMessageW(control, EM_SETLIMITTEXT, kNoTextLimit, 0);
  }
  return true;
}

HWND MainWindow::windowOf(ControlId control) const {
  if (control == ControlId::MainWindow) return handle();
  return controls_[static_cast<std::size_t>(control)];
}

std::optional<ControlId> MainWindow::controlOf(HWND window) const {
  if (window == nullptr) return std::nullopt;
  for (const ControlDefinition& definition : kControlTable) {
    if (windowOf(definition.id) == window) return definition.id;
  }
  return std::nullopt;
}

bool MainWindow::holds(HWND window) const {
  return window != nullptr && (window == handle() || controlOf(window).has_value());
}

void MainWindow::setTimer(UINT periodMs) {
  if (handle() != nullptr) SetTimer(handle(), kTimerId, periodMs, nullptr);
}

void MainWindow::killTimer() {
  if (handle() != nullptr) KillTimer(handle(), kTimerId);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.reset(window);
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return onCommand(wParam, lParam);
    case WM_TIMER:
      return onTimer(wParam);
    case WM_ACTIVATE:
      return onActivate(wParam, lParam);
    case WM_SETFOCUS:
      return onSetFocus();
    case WM_DESTROY:
      return onDestroy();
    case WM_NCDESTROY:
      return onNcDestroy(wParam, lParam);
    default:
      return DefWindowProcW(handle(), message, wParam, lParam);
  }
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
  const std::optional<ControlId> control = controlOf(reinterpret_cast<HWND>(lParam));
  if (events_ == nullptr || !control) return 0;
  const ControlKind kind = findControlDefinition(*control)->kind;
  const UINT notification = HIWORD(wParam);
  if (isButton(kind) && notification == BN_CLICKED) events_->onClicked(*control);
  if (isEditBox(kind) && notification == EN_SETFOCUS) events_->onGotFocus(*control);
  return 0;
}

LRESULT MainWindow::onTimer(WPARAM wParam) {
  if (events_ != nullptr && wParam == kTimerId) events_->onTimer();
  return 0;
}

LRESULT MainWindow::onActivate(WPARAM wParam, LPARAM lParam) {
  // Leaving the window: remember where the focus was, to put it back on return.
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focused = GetFocus();
    if (controlOf(focused)) focusToRestore_ = focused;
  }
  return DefWindowProcW(handle(), WM_ACTIVATE, wParam, lParam);
}

LRESULT MainWindow::onSetFocus() {
  // The window itself never keeps the focus: it goes on to a control.
  if (focusToRestore_ != nullptr) SetFocus(focusToRestore_);
  return 0;
}

LRESULT MainWindow::onDestroy() {
  // A window that fails half-way through its creation must not end the
  // message loop that the fatal error box is about to run.
  if (shown_) PostQuitMessage(0);
  return 0;
}

LRESULT MainWindow::onNcDestroy(WPARAM wParam, LPARAM lParam) {
  const HWND window = window_.release();
  controls_.fill(nullptr);
  focusToRestore_ = nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace orvalek::win32
