#include <cstdlib>

#include "shell/toolkit/keyboard_navigation.h"
#include "shell/toolkit/toolkit_state.h"
#include "shell/toolkit/window_classes.h"

namespace shell {
namespace {

LoadedWindow *StateOf(HWND window) {
  return reinterpret_cast<LoadedWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void OnCommand(const LoadedWindow &loaded, WPARAM wparam, LPARAM lparam) {
  if (HIWORD(wparam) != BN_CLICKED || lparam == 0) return;
  const Record *record = RecordOf(loaded, reinterpret_cast<HWND>(lparam));
  if (record != nullptr && (record->kind == Kind::Button || record->kind == Kind::CheckBox)) {
    RaiseEvent(*record, Event::Clicked);
  }
}

// The control's colours from its record.
LRESULT OnControlColour(LoadedWindow &loaded, HDC dc, HWND control) {
  const Record *record = RecordOf(loaded, control);
  if (record == nullptr) return 0;
  SetTextColor(dc, ColourOf(record->text_colour));
  SetBkColor(dc, ColourOf(record->back_colour));
  return reinterpret_cast<LRESULT>(BrushFor(loaded, record->back_colour));
}

// The only window the toolkit loads has gone: the program ends, once its loop runs.
void OnDestroy() {
  if (Toolkit().loop_begun) PostQuitMessage(0);
}

void OnFinalDestroy(HWND window) {
  LoadedWindow *loaded = StateOf(window);
  if (loaded == nullptr) return;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (Toolkit().loaded == loaded) Toolkit().loaded = nullptr;
  ReleaseWindowResources(*loaded);
  loaded->~LoadedWindow();
  std::free(loaded);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LoadedWindow *loaded = StateOf(window);
  switch (message) {
    case WM_COMMAND:
      if (loaded != nullptr) OnCommand(*loaded, wparam, lparam);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (loaded != nullptr) {
        if (LRESULT brush = OnControlColour(*loaded, reinterpret_cast<HDC>(wparam),
                                            reinterpret_cast<HWND>(lparam))) {
          return brush;
        }
      }
      break;
    case WM_ACTIVATE:
      if (loaded != nullptr && LOWORD(wparam) == WA_INACTIVE) RememberFocus(*loaded);
      break;
    case WM_SETFOCUS:
      if (loaded != nullptr) RestoreFocus(*loaded);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      OnFinalDestroy(window);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace shell
