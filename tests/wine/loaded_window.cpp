#include "tests/wine/loaded_window.h"

#include <cstring>

#include "shell/toolkit/keyboard_navigation.h"
#include "shell/toolkit/toolkit.h"
#include "shell/toolkit/toolkit_state.h"

namespace wine_tests {

void PumpPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT || shell::PreTranslateKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool PumpUntil(const std::function<bool()> &done, DWORD limit_ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpPending();
    if (done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= limit_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, limit_ms - elapsed, QS_ALLINPUT);
  }
}

void PressKey(WPARAM virtual_key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, virtual_key, 1);
  PumpPending();
}

void TypeCharacters(HWND control, std::wstring_view characters) {
  for (const wchar_t character : characters) {
    PostMessageW(control, WM_CHAR, character, 1);
    PumpPending();
  }
}

std::wstring FromGbk(const char *gbk) {
  if (gbk == nullptr || *gbk == '\0') return {};
  const int length = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk, -1, nullptr, 0);
  if (length <= 0) return L"(not GBK)";
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk, -1, wide.data(), length);
  wide.pop_back();  // the terminating NUL
  return wide;
}

HeldKeys::HeldKeys(std::initializer_list<BYTE> keys) {
  GetKeyboardState(saved_);
  BYTE held[256];
  std::memcpy(held, saved_, sizeof held);
  for (const BYTE key : keys) held[key] |= 0x80;
  SetKeyboardState(held);
}

HeldKeys::~HeldKeys() {
  SetKeyboardState(saved_);
}

void LoadedWindowTest::Load(shell::WindowId window, std::span<const shell::Record> description) {
  shell::ToolkitStartup();
  if (window != shell::MainWindow) shell::StoreWindowDescription(window, description);
  shell::LoadStartWindow(window);
  const shell::LoadedWindow *loaded = shell::FindLoadedWindow(window);
  ASSERT_NE(loaded, nullptr);
  id_ = window;
  description_ = loaded->description;
  windows_.assign(loaded->windows.begin(), loaded->windows.end());
}

void LoadedWindowTest::TearDown() {
  Unload();
}

void LoadedWindowTest::Unload() {
  if (!windows_.empty() && IsWindow(Window())) DestroyWindow(Window());
  windows_.clear();
  // The window's end may have posted the quit request; it must not reach the next test.
  PumpPending();
  shell::FinishProgram();
  shell::Toolkit().loop_begun = false;
  shell::Toolkit().quit_code = 0;
}

std::size_t LoadedWindowTest::Position(shell::ControlId control) const {
  const shell::Record *record = shell::FindRecord(description_, control);
  return record != nullptr ? shell::PositionOf(description_, *record) : description_.size();
}

void MainWindowTest::SetUp() {
  Load(shell::MainWindow, shell::MainWindowDescription());
}

}  // namespace wine_tests
