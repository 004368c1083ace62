#include "tests/native/fakes/fake_user32.h"

#include <algorithm>

#include "platform/user32.h"
#include "platform/win32_constants.h"

namespace fakes {
namespace {

User32State state;

void Record(const char *function, std::vector<std::int64_t> arguments, const char *text = "") {
  CallLog().push_back({function, std::move(arguments), text});
}

}  // namespace

User32State &User32() {
  return state;
}
void ResetUser32() {
  state = {};
}

}  // namespace fakes

namespace platform {

using fakes::Record;
using fakes::User32;

std::int16_t GetKeyState(std::int32_t virtual_key) {
  Record("GetKeyState", {virtual_key});
  const auto found = User32().key_states.find(virtual_key);
  return found == User32().key_states.end() ? std::int16_t{0} : found->second;
}

void keybd_event(std::uint8_t virtual_key, std::uint8_t scan_code, std::uint32_t flags,
                 std::uintptr_t extra_info) {
  Record("keybd_event", {virtual_key, scan_code, flags, static_cast<std::int64_t>(extra_info)});
}

bool GetKeyboardState(std::uint8_t *key_state_table) {
  Record("GetKeyboardState", {});
  std::copy_n(key_state_table, User32().table_before_read.size(),
              User32().table_before_read.begin());
  std::copy(User32().keyboard_state.begin(), User32().keyboard_state.end(), key_state_table);
  return true;
}

bool SetKeyboardState(std::uint8_t *key_state_table) {
  Record("SetKeyboardState", {});
  std::copy_n(key_state_table, User32().keyboard_state.size(), User32().keyboard_state.begin());
  return true;
}

bool ShowCaret(void *window) {
  Record("ShowCaret", {static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(window))});
  return true;
}

bool HideCaret(void *window) {
  Record("HideCaret", {static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(window))});
  return true;
}

bool SystemParametersInfoA(std::uint32_t action, std::uint32_t parameter, void *pointer,
                           std::uint32_t flags) {
  auto *integer = static_cast<std::uint32_t *>(pointer);
  Record("SystemParametersInfoA",
         {action, parameter, integer ? std::int64_t{*integer} : fakes::kNullPointer, flags});
  if (action == SPI_GETKEYBOARDDELAY || action == SPI_GETKEYBOARDSPEED) {
    const std::optional<std::uint32_t> &reported =
        action == SPI_GETKEYBOARDDELAY ? User32().repeat_delay : User32().repeat_speed;
    if (reported) *integer = *reported;
    return reported.has_value();
  }
  return User32().parameter_set_result;
}

std::uint32_t GetCaretBlinkTime() {
  Record("GetCaretBlinkTime", {});
  return User32().caret_blink_time;
}

bool SetCaretBlinkTime(std::uint32_t milliseconds) {
  Record("SetCaretBlinkTime", {milliseconds});
  return User32().set_caret_blink_time_result;
}

std::int32_t GetKeyboardType(std::int32_t which) {
  Record("GetKeyboardType", {which});
  switch (which) {
    case 0:
      return User32().keyboard_type;
    case 2:
      return User32().function_keys;
    default:
      return 0;
  }
}

bool MessageBeep(std::uint32_t type) {
  Record("MessageBeep", {type});
  return true;
}

std::int32_t OsFamily() {
  Record("OsFamily", {});
  return User32().os_family;
}

bool StoreCaretBlinkTime(const char *decimal_milliseconds) {
  Record("StoreCaretBlinkTime", {}, decimal_milliseconds);
  return User32().store_caret_blink_time_result;
}

}  // namespace platform
