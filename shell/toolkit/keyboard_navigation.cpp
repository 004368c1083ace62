#include "shell/toolkit/keyboard_navigation.h"

#include <algorithm>

#include "shell/tab_order.h"

namespace shell {
namespace {

bool IsDown(int virtual_key) { return (GetKeyState(virtual_key) & 0x8000) != 0; }

// Visible within the window: the control and every parent up to the window itself are marked
// visible, whether or not the window is shown yet.
bool IsVisibleInWindow(HWND control, HWND window) {
  for (HWND at = control; at != nullptr && at != window; at = GetParent(at)) {
    if ((GetWindowLongPtrW(at, GWL_STYLE) & WS_VISIBLE) == 0) return false;
  }
  return true;
}

std::vector<std::size_t> CurrentTabOrder(const LoadedWindow &loaded) {
  return TabOrder(loaded.description, [&](std::size_t position) {
    const HWND control = loaded.windows[position];
    return IsVisibleInWindow(control, loaded.windows.front()) && IsWindowEnabled(control);
  });
}

void FocusControl(const LoadedWindow &loaded, std::size_t position) {
  const HWND control = loaded.windows[position];
  SetFocus(control);
  // Tabbing into an edit box selects its text, so typing replaces it.
  if (loaded.description[position].kind == Kind::EditBox) SendMessageW(control, EM_SETSEL, 0, -1);
}

void MoveFocus(const LoadedWindow &loaded, bool backwards) {
  const std::vector<std::size_t> order = CurrentTabOrder(loaded);
  if (order.empty()) return;
  const std::size_t focused = PositionOf(loaded, GetFocus());
  const auto current = std::find(order.begin(), order.end(), focused);
  std::size_t index;
  if (current == order.end()) {
    index = backwards ? order.size() - 1 : 0;
  } else {
    const std::size_t at = static_cast<std::size_t>(current - order.begin());
    index = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
  }
  FocusControl(loaded, order[index]);
}

}  // namespace

bool PreTranslateKey(const MSG &message) {
  if (message.message != WM_KEYDOWN) return false;
  LoadedWindow *loaded = LoadedWindowOf(message.hwnd);
  if (loaded == nullptr) return false;
  switch (message.wParam) {
    case VK_TAB:
      if (IsDown(VK_CONTROL) || IsDown(VK_MENU)) return false;
      MoveFocus(*loaded, IsDown(VK_SHIFT));
      return true;
    case VK_ESCAPE:
      if (IsDown(VK_CONTROL) || IsDown(VK_SHIFT) || IsDown(VK_MENU)) return false;
      SendMessageW(loaded->windows.front(), WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
    case VK_F1:
      return true;
    default:
      return false;
  }
}

void RememberFocus(LoadedWindow &loaded) {
  const HWND focused = GetFocus();
  if (focused != nullptr && IsChild(loaded.windows.front(), focused)) {
    loaded.remembered_focus = focused;
  }
}

void RestoreFocus(LoadedWindow &loaded) {
  const HWND remembered = loaded.remembered_focus;
  if (remembered != nullptr && IsWindow(remembered) && IsChild(loaded.windows.front(), remembered)) {
    SetFocus(remembered);
    return;
  }
  const std::vector<std::size_t> order = CurrentTabOrder(loaded);
  if (!order.empty()) SetFocus(loaded.windows[order.front()]);
}

}  // namespace shell
