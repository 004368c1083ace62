#include "tests/e2e/driver/program_window.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "shell/toolkit/window_classes.h"
#include "tests/e2e/driver/gbk.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/window_messages.h"

namespace e2e {
namespace {

HWND FindProgramWindow(DWORD process_id) {
  const std::wstring title = WidenGbk("Velmora键盘设置");
  for (HWND found = nullptr;;) {
    found = FindWindowExW(nullptr, found, shell::kMainWindowClass, title.c_str());
    if (found == nullptr) return nullptr;
    DWORD owner = 0;
    GetWindowThreadProcessId(found, &owner);
    if (process_id == 0 || owner == process_id) return found;
  }
}

DWORD ThreadOf(HWND window) {
  return GetWindowThreadProcessId(window, nullptr);
}

INPUT KeyInput(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

ProgramWindow ProgramWindow::WaitForShown(DWORD process_id) {
  HWND window = nullptr;
  const bool shown = WaitUntil([&] {
    window = FindProgramWindow(process_id);
    if (window == nullptr || !IsWindowVisible(window)) return false;
    // The window is shown only after its boxes are filled; the caret blink time comes last.
    return ProgramWindow(window).TextLength(shell::编辑框5) > 0;
  });
  if (!shown) throw std::runtime_error("the program's window did not appear");
  return ProgramWindow(window);
}

RECT ProgramWindow::Frame() const {
  RECT frame{};
  if (!GetWindowRect(window_, &frame)) throw std::runtime_error("the window has gone");
  return frame;
}

HWND ProgramWindow::Control(std::uint32_t id) const {
  return FindControl(window_, id);
}

std::size_t ProgramWindow::TextLength(std::uint32_t id) const {
  return static_cast<std::size_t>(Send(Control(id), WM_GETTEXTLENGTH));
}

std::wstring ProgramWindow::Text(std::uint32_t id) const {
  return ReadText(Control(id));
}

bool ProgramWindow::IsChecked(std::uint32_t id) const {
  return Send(Control(id), BM_GETCHECK) == BST_CHECKED;
}

void ProgramWindow::SetCheck(std::uint32_t id, bool checked) const {
  Send(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void ProgramWindow::Click(std::uint32_t id) const {
  Send(Control(id), BM_CLICK);
}

void ProgramWindow::Paste(std::uint32_t id, std::wstring_view text) const {
  PasteText(Control(id), text);
}

void ProgramWindow::PressEscape() const {
  // The program reads the modifiers from its own thread's key state, which posted keys leave
  // alone, so this is Esc without Shift, Ctrl or Alt.
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  const HWND focused =
      GetGUIThreadInfo(ThreadOf(window_), &gui) && gui.hwndFocus ? gui.hwndFocus : window_;
  const UINT scan = MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC);
  PostMessageW(focused, WM_KEYDOWN, VK_ESCAPE, static_cast<LPARAM>(1 | scan << 16));
  PostMessageW(focused, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(1 | scan << 16 | 3u << 30));
}

void ProgramWindow::PressChord(std::initializer_list<WORD> keys) const {
  // Keyboard input goes to the foreground window's thread.
  if (!WaitUntil([&] {
        SetForegroundWindow(window_);
        return GetForegroundWindow() == window_;
      })) {
    throw std::runtime_error("the window cannot be made foreground");
  }
  std::vector<INPUT> inputs;
  std::transform(std::begin(keys), std::end(keys), std::back_inserter(inputs),
                 [](WORD key) { return KeyInput(key, 0); });
  std::transform(std::rbegin(keys), std::rend(keys), std::back_inserter(inputs),
                 [](WORD key) { return KeyInput(key, KEYEVENTF_KEYUP); });
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) throw std::runtime_error("the keys were not sent");
}

}  // namespace e2e
