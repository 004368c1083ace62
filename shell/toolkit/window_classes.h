// The toolkit's own window classes: the loaded window and the hidden window behind a Timer.
#pragma once

#include <windows.h>

namespace shell {

inline constexpr wchar_t kMainWindowClass[] = L"VelmoraKeyboardWindow";
inline constexpr wchar_t kTimerWindowClass[] = L"VelmoraKeyboardTimer";

// Registers both classes once; false if the system refuses.
bool RegisterWindowClasses();
void UnregisterWindowClasses();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace shell
