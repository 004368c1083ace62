// A window that the toolkit loads for one test and that is destroyed after it, and the steps of
// the toolkit's message loop for handling its messages from the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/control_ids.h"
#include "shell/window_description.h"

namespace wine_tests {

// Handles every message queued for the thread as the toolkit's loop does (pre-translation of
// the keys, translation, dispatch). A quit request is taken off the queue and dropped.
void PumpPending();

// Handles messages as they arrive until `done` holds or `limit_ms` has passed; what `done` gave
// last. The limit only bounds a test that fails; nothing measures the time.
bool PumpUntil(const std::function<bool()> &done, DWORD limit_ms = 5000);

// Posts a key press to the control with the focus and handles it.
void PressKey(WPARAM virtual_key);

// Posts the characters to the control one by one, as typing would deliver them, and handles
// them.
void TypeCharacters(HWND control, std::wstring_view characters);

// The UTF-16 form of a GBK text; null counts as empty.
std::wstring FromGbk(const char *gbk);

// While it lives, the thread's key-state table shows the keys held down.
class HeldKeys {
 public:
  HeldKeys(std::initializer_list<BYTE> keys);
  ~HeldKeys();
  HeldKeys(const HeldKeys &) = delete;
  HeldKeys &operator=(const HeldKeys &) = delete;

 private:
  BYTE saved_[256];
};

// Starts the toolkit and loads a window from a stored description before each test; destroys the
// window and runs the toolkit's clean-up after it, so every test begins afresh.
class LoadedWindowTest : public testing::Test {
 protected:
  void TearDown() override;

  // Starts the toolkit, stores `description` under `window` unless it is the main window (which
  // the start-up stores itself), and loads that window.
  void Load(shell::WindowId window, std::span<const shell::Record> description);
  // Destroys the window if it is still there and runs the toolkit's clean-up.
  void Unload();

  shell::WindowId Id() const { return id_; }
  std::span<const shell::Record> Description() const { return description_; }
  // The platform window built for a record, by position or by control identifier; a record that
  // was not built throws, which fails the test.
  HWND At(std::size_t position) const { return windows_.at(position); }
  HWND Window() const { return At(0); }
  HWND Control(shell::ControlId control) const { return At(Position(control)); }
  std::size_t Position(shell::ControlId control) const;

 private:
  shell::WindowId id_ = 0;
  std::span<const shell::Record> description_;
  std::vector<HWND> windows_;  // kept for the test: the toolkit forgets them with the window
};

// The main window with its real handlers, loaded before each test.
class MainWindowTest : public LoadedWindowTest {
 protected:
  void SetUp() override;
};

}  // namespace wine_tests
