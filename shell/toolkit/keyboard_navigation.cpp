#include "shell/toolkit/keyboard_navigation.h"

#include <algorithm>

#include "shell/tab_order.h"

namespace shell {
namespace {

bool IsDown(int virtual_key) {
  return (GetKeyState(virtual_key) & 0x8000) != 0;
}

// Visible within the window: the control and every parent up to the window itself are marked
// visible, whether or not the window is shown yet.
// cppcheck-suppress constParameter ; a window handle is opaque, it points at nothing to keep const
bool IsVisibleInWindow(HWND control, HWND window) {
  for (HWND at = control; at != nullptr && at != window; at = GetParent(at)) {
    if ((GetWindowLongPtrW(at, GWL_STYLE) & WS_VISIBLE) == 0) return false;
  }
  return true;
}

// The Tab order at this moment; `order` has room for one position per record.
std::size_t CurrentTabOrder(const LoadedWindow &loaded, std::span<std::size_t> order) {
  return TabOrder(
      loaded.description,
      [&](std::size_t position) {
        const HWND control = loaded.windows[position];
        return IsVisibleInWindow(control, loaded.windows.front()) && IsWindowEnabled(control);
      },
      order);
}

void FocusControl(const LoadedWindow &loaded, std::size_t position) {
  const HWND control = loaded.windows[position];
  SetFocus(control);
  // Tabbing into an edit box selects its text, so typing replaces it.
  if (loaded.description[position].kind == Kind::EditBox) SendMessageW(control, EM_SETSEL, 0, -1);
}

void MoveFocus(const LoadedWindow &loaded, bool backwards) {
  const keyboard::HeapArray<std::size_t> order(loaded.description.size());
  const std::size_t count = CurrentTabOrder(loaded, {order.data(), order.size()});
  if (count == 0) return;
  const std::size_t focused = PositionOf(loaded, GetFocus());
  std::size_t *const end = order.begin() + count;
  std::size_t *const current = std::find(order.begin(), end, focused);
  std::size_t index;
  if (current == end) {
    index = backwards ? count - 1 : 0;
  } else {
    const auto at = static_cast<std::size_t>(current - order.begin());
    index = backwards ? (at + count - 1) % count : (at + 1) % count;
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
  if (remembered != nullptr && IsWindow(remembered) &&
      IsChild(loaded.windows.front(), remembered)) {
    SetFocus(remembered);
    return;
  }
  const keyboard::HeapArray<std::size_t> order(loaded.description.size());
  if (CurrentTabOrder(loaded, {order.data(), order.size()}) > 0) {
    SetFocus(loaded.windows[order.front()]);
  }
}

}  // namespace shell
