#include "tests/e2e/driver/window_messages.h"

#include <stdexcept>
#include <string>

#include "tests/e2e/driver/clipboard_text.h"
#include "tests/e2e/driver/polling.h"

namespace e2e {
namespace {

struct ControlSearch {
  std::uint32_t id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM search_address) {
  auto &search = *reinterpret_cast<ControlSearch *>(search_address);
  if (static_cast<std::uint32_t>(GetWindowLongPtrW(child, GWLP_ID)) != search.id) return TRUE;
  search.found = child;
  return FALSE;
}

}  // namespace

LRESULT Send(HWND to, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(to, message, wparam, lparam, SMTO_NORMAL, kGenerousWaitMs, &result) ==
      0) {
    throw std::runtime_error("the program did not answer message " + std::to_string(message));
  }
  return static_cast<LRESULT>(result);
}

HWND FindControl(HWND window, std::uint32_t id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(window, &MatchControl, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) {
    throw std::runtime_error("no control with identifier " + std::to_string(id));
  }
  return search.found;
}

std::wstring ReadText(HWND window) {
  std::wstring text(static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH)) + 1, L'\0');
  const LRESULT copied =
      Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void PasteText(HWND edit_box, std::wstring_view text) {
  [[maybe_unused]] const ClipboardText copied(text);
  Send(edit_box, EM_SETSEL, 0, -1);
  Send(edit_box, WM_PASTE);
}

}  // namespace e2e
