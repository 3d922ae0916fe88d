#include "platform/win32/label_window.h"

#include <string>

#include "platform/win32/window_text.h"

namespace orvalek::win32 {
namespace {

constexpr LONG_PTR kFontSlot = 0;  // window extra bytes: the HFONT of WM_SETFONT

// BeginPaint / EndPaint as a scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// SelectObject, put back at the end of the scope.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionScope() { SelectObject(dc_, previous_); }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

LRESULT onPaint(HWND label) {
  PaintScope paint(label);
  RECT area{};
  GetClientRect(label, &area);
  // The font is stock (DEFAULT_GUI_FONT): selected, never deleted.
  auto font = reinterpret_cast<HGDIOBJ>(GetWindowLongPtrW(label, kFontSlot));
  SelectionScope selection(paint.dc(), font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(paint.dc(), TRANSPARENT);
  SetTextColor(paint.dc(), RGB(0, 0, 0));
  const std::wstring text = readWindowText(label);
  DrawTextW(paint.dc(), text.c_str(), static_cast<int>(text.size()), &area,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  return 0;
}

LRESULT CALLBACK labelWindowProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return onPaint(label);
    case WM_SETFONT:
      SetWindowLongPtrW(label, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam) != 0) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(label, kFontSlot);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
    case WM_NCHITTEST:
      // Clicks fall through to the window beneath, as on any text label.
      return HTTRANSPARENT;
    default:
      return DefWindowProcW(label, message, wParam, lParam);
  }
}

}  // namespace

WNDCLASSEXW labelWindowClass(HINSTANCE instance) {
  WNDCLASSEXW description{};
  description.cbSize = sizeof(description);
  description.lpfnWndProc = labelWindowProc;
  description.cbWndExtra = sizeof(LONG_PTR);
  description.hInstance = instance;
  description.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  description.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  description.lpszClassName = L"OrvalekLabel";
  return description;
}

}  // namespace orvalek::win32
