#include <windows.h>

#include <cstring>

#include "platform/user32.h"

namespace platform {

// The system's keyboard settings keep the blink time in the user profile under this value; the
// system reads it when a session starts.
bool StoreCaretBlinkTime(const char *decimal_milliseconds) {
  HKEY desktop = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &desktop, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const DWORD size = static_cast<DWORD>(std::strlen(decimal_milliseconds) + 1);
  const LONG result = RegSetValueExA(desktop, "CursorBlinkRate", 0, REG_SZ,
                                     reinterpret_cast<const BYTE *>(decimal_milliseconds), size);
  RegCloseKey(desktop);
  return result == ERROR_SUCCESS;
}

}  // namespace platform
