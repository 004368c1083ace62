// The program's main window, used from another process as a user would use it: reading what the
// controls show, clicking, pasting and pressing keys. A control is named by its control
// identifier, which the program gives each control as its child-window identifier.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace e2e {

class ProgramWindow {
 public:
  // Waits until the program's window is shown with its values filled in. A process id of 0
  // accepts the window of any process; throws if none appears in time.
  static ProgramWindow WaitForShown(DWORD process_id);

  HWND Handle() const { return window_; }
  bool Exists() const { return IsWindow(window_) != FALSE; }
  RECT Frame() const;

  HWND Control(std::uint32_t id) const;
  std::wstring Text(std::uint32_t id) const;
  std::size_t TextLength(std::uint32_t id) const;
  bool IsChecked(std::uint32_t id) const;

  // Writes a check box's state as the program itself does, without a click.
  void SetCheck(std::uint32_t id, bool checked) const;

  // Returns once the control has handled the click, its clicked handler included.
  void Click(std::uint32_t id) const;
  // Replaces the whole text of an edit box with the text, through the clipboard.
  void Paste(std::uint32_t id, std::wstring_view text) const;

  // Esc as the focused control receives it, with no modifier down.
  void PressEscape() const;
  // Real keyboard input to the window, made foreground first: each key goes down in order and
  // comes up in reverse, so {VK_SHIFT, VK_ESCAPE} is Shift+Esc.
  void PressChord(std::initializer_list<WORD> keys) const;

 private:
  explicit ProgramWindow(HWND window) : window_(window) {}

  HWND window_;
};

}  // namespace e2e
