#include "remote_window.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "tests/e2e/driver/process_windows.h"
#include "tests/e2e/driver/window_messages.h"

namespace bench {
namespace {

// Long enough for a loaded machine; a program that takes longer to answer counts as hung.
constexpr UINT kAnswerTimeoutMs = 5000;

}  // namespace

HWND FindVisibleWindow(DWORD process_id) {
  const std::vector<HWND> windows = e2e::TopLevelWindowsOf(process_id);
  const auto visible = std::find_if(windows.begin(), windows.end(),
                                    [](HWND window) { return IsWindowVisible(window) != FALSE; });
  return visible == windows.end() ? nullptr : *visible;
}

std::wstring Title(HWND window) {
  wchar_t title[256];
  const int length = GetWindowTextW(window, title, static_cast<int>(std::size(title)));
  return std::wstring(title, static_cast<std::size_t>(length));
}

void Click(HWND button) {
  e2e::Send(button, BM_CLICK);
}

bool IsChecked(HWND check_box) {
  return e2e::Send(check_box, BM_GETCHECK) == BST_CHECKED;
}

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) !=
         0;
}

}  // namespace bench
