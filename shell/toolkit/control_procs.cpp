#include "shell/toolkit/control_procs.h"

#include "shell/toolkit/toolkit_state.h"

namespace shell {
namespace {

// The system's procedure of a control is kept in its user data while the toolkit's stands first.
LRESULT CallSystemProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto system_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
  return CallWindowProcW(system_proc, control, message, wparam, lparam);
}

void PutInFront(HWND control, WNDPROC proc) {
  SetWindowLongPtrW(control, GWLP_USERDATA, GetWindowLongPtrW(control, GWLP_WNDPROC));
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

// A group box holds controls as their parent, so nothing else paints the inside of its frame:
// it fills it with the brush its window gives it.
void EraseGroupBox(HWND group_box, HDC dc, const LoadedWindow &loaded) {
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(loaded.windows.front(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(group_box)));
  RECT client;
  GetClientRect(group_box, &client);
  FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK GroupBoxProc(HWND group_box, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (const LoadedWindow *loaded = LoadedWindowOf(group_box)) {
        EraseGroupBox(group_box, reinterpret_cast<HDC>(wparam), *loaded);
        return TRUE;
      }
      break;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (const LoadedWindow *loaded = LoadedWindowOf(group_box)) {
        return SendMessageW(loaded->windows.front(), message, wparam, lparam);
      }
      break;
    default:
      break;
  }
  return CallSystemProc(group_box, message, wparam, lparam);
}

bool IsIntegerCharacter(WPARAM character) {
  return character < 0x20 || character == L'-' || (character >= L'0' && character <= L'9');
}

LRESULT CALLBACK IntegerEditProc(HWND edit_box, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CHAR && !IsIntegerCharacter(wparam)) return 0;
  return CallSystemProc(edit_box, message, wparam, lparam);
}

}  // namespace

void ForwardNotificationsToWindow(HWND group_box) {
  PutInFront(group_box, GroupBoxProc);
}

void FilterTypedIntegers(HWND edit_box) {
  PutInFront(edit_box, IntegerEditProc);
}

}  // namespace shell
