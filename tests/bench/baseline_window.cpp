// The yardstick of the benchmark: the least a window can do. One top-level window of the
// program's size, style and title, shown at once, closed by Esc or WM_CLOSE, and nothing else.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"VelmoraBaselineWindow";
constexpr int kWidth = 406;
constexpr int kHeight = 280;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) {
        SendMessageW(window, WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = kClassName;
  if (RegisterClassW(&window_class) == 0) return 1;
  // The measuring driver checks that this title is the program's own.
  const HWND window = CreateWindowExW(
      0, kClassName, L"Velmora键盘设置", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
      (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2,
      kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  BOOL result;
  while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return result == 0 ? static_cast<int>(message.wParam) : 1;
}
