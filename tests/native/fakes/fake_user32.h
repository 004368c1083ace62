// A recording fake of the User32 services and the operating-system family query: every call is
// logged with its arguments in the shared call log, and every result is scripted.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "tests/native/fakes/call_log.h"

namespace fakes {

// The log entry of SystemParametersInfoA holds (action, parameter, the 32-bit integer the pointer
// refers to at the call, flags); this stands in for the integer when the pointer is null.
inline constexpr std::int64_t kNullPointer = -1;

struct User32State {
  // GetKeyState by key code; 0 for any other code.
  std::map<std::int32_t, std::int16_t> key_states;
  // The system's table: GetKeyboardState copies it out, SetKeyboardState replaces it.
  std::array<std::uint8_t, 256> keyboard_state{};
  // The caller's table as GetKeyboardState received it, before copying into it.
  std::array<std::uint8_t, 256> table_before_read{};
  // What the two reads store; none: the read fails and stores nothing.
  std::optional<std::uint32_t> repeat_delay;
  std::optional<std::uint32_t> repeat_speed;
  // The result of every other SystemParametersInfoA action.
  bool parameter_set_result = true;
  std::int32_t keyboard_type = 0;  // GetKeyboardType(0)
  std::int32_t function_keys = 0;  // GetKeyboardType(2); any other query gives 0
  std::uint32_t caret_blink_time = 0;
  bool set_caret_blink_time_result = true;
  bool store_caret_blink_time_result = true;
  std::int32_t os_family = 0;
};

User32State &User32();
void ResetUser32();

}  // namespace fakes
