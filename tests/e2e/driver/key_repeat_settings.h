// The system's key-repeat delay and speed as this process reads them, and a guard that applies
// them again, so a test that lets the program change them leaves the session as it found it.
#pragma once

#include <windows.h>

#include "tests/e2e/driver/profile_value.h"

namespace e2e {

// Where the system stores the applied settings; a process that changes them writes them here at
// once, while other running processes may still hold the values they read earlier.
inline constexpr ProfileValue kStoredKeyboardDelay{L"Control Panel\\Keyboard", L"KeyboardDelay"};
inline constexpr ProfileValue kStoredKeyboardSpeed{L"Control Panel\\Keyboard", L"KeyboardSpeed"};

UINT KeyboardDelay();
UINT KeyboardSpeed();

class RestoresKeyRepeatSettings {
 public:
  RestoresKeyRepeatSettings() = default;
  ~RestoresKeyRepeatSettings();
  RestoresKeyRepeatSettings(const RestoresKeyRepeatSettings &) = delete;
  RestoresKeyRepeatSettings &operator=(const RestoresKeyRepeatSettings &) = delete;

 private:
  UINT delay_ = KeyboardDelay();
  UINT speed_ = KeyboardSpeed();
};

}  // namespace e2e
