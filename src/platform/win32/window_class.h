#pragma once

// A registered window class, unregistered when the owner goes.

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace orvalek::win32 {

class WindowClass {
 public:
  WindowClass() = default;
  explicit WindowClass(const WNDCLASSEXW& description)
      : instance_(description.hInstance), atom_(RegisterClassExW(&description)) {}
  ~WindowClass() {
    if (atom_ != 0) UnregisterClassW(MAKEINTATOM(atom_), instance_);
  }
  WindowClass(WindowClass&& other) noexcept
      : instance_(other.instance_), atom_(std::exchange(other.atom_, ATOM{0})) {}
  WindowClass& operator=(WindowClass&& other) noexcept {
    std::swap(instance_, other.instance_);
    std::swap(atom_, other.atom_);
    return *this;
  }
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;

  // The class as CreateWindowEx takes it; null when registration failed.
  LPCWSTR name() const { return atom_ != 0 ? MAKEINTATOM(atom_) : nullptr; }

 private:
  HINSTANCE instance_ = nullptr;  // the module's: not owned
  ATOM atom_ = 0;
};

// A top-level window destroyed with its owner unless the user closed it first.
struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

}  // namespace orvalek::win32
