#include "shell/toolkit/window_classes.h"

namespace shell {
namespace {
bool registered = false;
}

bool RegisterWindowClasses() {
  if (registered) return true;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW main_class{};
  main_class.cbSize = sizeof main_class;
  main_class.lpfnWndProc = MainWindowProc;
  main_class.hInstance = instance;
  main_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  main_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  main_class.lpszClassName = kMainWindowClass;
  WNDCLASSEXW timer_class{};
  timer_class.cbSize = sizeof timer_class;
  timer_class.lpfnWndProc = TimerWindowProc;
  timer_class.hInstance = instance;
  timer_class.lpszClassName = kTimerWindowClass;
  if (RegisterClassExW(&main_class) == 0) return false;
  if (RegisterClassExW(&timer_class) == 0) {
    UnregisterClassW(kMainWindowClass, instance);
    return false;
  }
  registered = true;
  return true;
}

void UnregisterWindowClasses() {
  if (!registered) return;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  UnregisterClassW(kTimerWindowClass, instance);
  UnregisterClassW(kMainWindowClass, instance);
  registered = false;
}

}  // namespace shell
