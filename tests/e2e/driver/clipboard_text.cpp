#include "tests/e2e/driver/clipboard_text.h"

#include <cstring>
#include <stdexcept>

#include "tests/e2e/driver/polling.h"

namespace e2e {
namespace {

using GlobalMemory = std::unique_ptr<void, decltype(&GlobalFree)>;

HWND CreateOwner() {
  HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (owner == nullptr) throw std::runtime_error("no window to own the clipboard");
  return owner;
}

GlobalMemory CopyToGlobal(std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes), &GlobalFree);
  if (memory == nullptr) throw std::runtime_error("no memory for the clipboard text");
  auto *copy = static_cast<wchar_t *>(GlobalLock(memory.get()));
  std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
  copy[text.size()] = L'\0';
  GlobalUnlock(memory.get());
  return memory;
}

// Another process may hold the clipboard for a moment (the program while it pastes).
void OpenClipboardOf(HWND owner) {
  if (!WaitUntil([&] { return OpenClipboard(owner) != FALSE; })) {
    throw std::runtime_error("the clipboard stays busy");
  }
}

}  // namespace

ClipboardText::ClipboardText(std::wstring_view text) : owner_(CreateOwner(), &DestroyWindow) {
  GlobalMemory memory = CopyToGlobal(text);
  OpenClipboardOf(owner_.get());
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr;
  CloseClipboard();
  if (!placed) throw std::runtime_error("the clipboard refused the text");
  // The system owns the memory now.
  static_cast<void>(memory.release());
}

}  // namespace e2e
