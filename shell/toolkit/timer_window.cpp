#include "shell/toolkit/toolkit_state.h"
#include "shell/toolkit/window_classes.h"

namespace shell {
namespace {
constexpr UINT_PTR kTimerId = 1;
}

// A Timer is a hidden window whose platform timer runs from its creation to its destruction.
// The interval arrives as the creation parameter.
LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: {
      const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lparam);
      const auto interval = static_cast<UINT>(reinterpret_cast<UINT_PTR>(create->lpCreateParams));
      if (interval > 0) SetTimer(window, kTimerId, interval, nullptr);
      return 0;
    }
    case WM_TIMER:
      if (LoadedWindow *loaded = LoadedWindowOf(window)) {
        if (const Record *record = RecordOf(*loaded, window)) RaiseEvent(*record, Event::Periodic);
      }
      return 0;
    case WM_DESTROY:
      KillTimer(window, kTimerId);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace shell
