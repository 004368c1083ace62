#include "remote_window.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace bench {
namespace {

// Long enough for a loaded machine, short enough that a hung program ends the run.
constexpr UINT kAnswerTimeoutMs = 5000;

LRESULT Request(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                          &result) == 0) {
    throw std::runtime_error("the program's window stopped answering messages");
  }
  return static_cast<LRESULT>(result);
}

struct VisibleWindowSearch {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK CheckVisibleWindow(HWND window, LPARAM search_address) {
  auto &search = *reinterpret_cast<VisibleWindowSearch *>(search_address);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process_id || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

struct ControlSearch {
  LONG_PTR identifier;
  HWND found;
};

BOOL CALLBACK CheckControl(HWND control, LPARAM search_address) {
  auto &search = *reinterpret_cast<ControlSearch *>(search_address);
  if (GetWindowLongPtrW(control, GWLP_ID) != search.identifier) return TRUE;
  search.found = control;
  return FALSE;
}

struct GlobalMemoryFreer {
  void operator()(void *memory) const { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<void, GlobalMemoryFreer>;

// Puts the text on the clipboard as Unicode text; the clipboard owns the memory once it took it.
void PutOnClipboard(const std::wstring &text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  void *const target = memory ? GlobalLock(memory.get()) : nullptr;
  if (target == nullptr) throw std::runtime_error("no memory for the clipboard text");
  CopyMemory(target, text.c_str(), bytes);
  GlobalUnlock(memory.get());
  if (!OpenClipboard(nullptr)) throw std::runtime_error("the clipboard is not available");
  EmptyClipboard();
  const bool taken = SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr;
  CloseClipboard();
  if (!taken) throw std::runtime_error("the clipboard refused the text");
  static_cast<void>(memory.release());  // the clipboard owns it now
}

}  // namespace

HWND FindVisibleWindow(DWORD process_id) {
  VisibleWindowSearch search{process_id, nullptr};
  EnumWindows(CheckVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindControl(HWND window, shell::ControlId control) {
  ControlSearch search{static_cast<LONG_PTR>(control), nullptr};
  EnumChildWindows(window, CheckControl, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) throw std::runtime_error("a control of the window is missing");
  return search.found;
}

std::wstring ReadText(HWND window) {
  const auto length = static_cast<std::size_t>(Request(window, WM_GETTEXTLENGTH, 0, 0));
  std::vector<wchar_t> text(length + 1);
  const auto copied = static_cast<std::size_t>(
      Request(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  return std::wstring(text.data(), copied < length ? copied : length);
}

std::wstring Title(HWND window) {
  wchar_t title[256];
  const int length = GetWindowTextW(window, title, static_cast<int>(std::size(title)));
  return std::wstring(title, static_cast<std::size_t>(length));
}

void Click(HWND button) {
  Request(button, BM_CLICK, 0, 0);
}

bool IsChecked(HWND check_box) {
  return Request(check_box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void PasteText(HWND edit_box, const std::wstring &text) {
  PutOnClipboard(text);
  Request(edit_box, EM_SETSEL, 0, -1);
  Request(edit_box, WM_PASTE, 0, 0);
}

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) !=
         0;
}

}  // namespace bench
