// The operating-system services the keyboard functions rest on. Each call passes its arguments
// unchanged to the Windows function of the same name; the Windows build binds them, the native
// tests link a recording fake instead. Only the values of the queries are used; the results of
// the other calls are returned for the callers that choose by them.
#pragma once

#include <cstdint>

namespace platform {

std::int16_t GetKeyState(std::int32_t virtual_key);
void keybd_event(std::uint8_t virtual_key, std::uint8_t scan_code, std::uint32_t flags,
                 std::uintptr_t extra_info);
bool GetKeyboardState(std::uint8_t *key_state_table);
bool SetKeyboardState(std::uint8_t *key_state_table);
bool ShowCaret(void *window);
bool HideCaret(void *window);
bool SystemParametersInfoA(std::uint32_t action, std::uint32_t parameter, void *pointer,
                           std::uint32_t flags);
std::uint32_t GetCaretBlinkTime();
bool SetCaretBlinkTime(std::uint32_t milliseconds);
std::int32_t GetKeyboardType(std::int32_t which);
bool MessageBeep(std::uint32_t type);

// The operating-system family: 1, 2 or 3 for the platform ids 0, 1 and 2 (3 is the NT family),
// 0 for anything else.
std::int32_t OsFamily();

// Stores the caret blink time in the user profile as decimal text, where the system's own
// keyboard settings keep it, so that it outlasts the program.
bool StoreCaretBlinkTime(const char *decimal_milliseconds);

}  // namespace platform
