#include "keyboard/lock_keys.h"

#include <array>
#include <cstddef>

#include "keyboard/control_access.h"
#include "platform/user32.h"
#include "platform/win32_constants.h"
#include "shell/control_ids.h"
#include "shell/fatal_error.h"

namespace keyboard {
namespace {

struct LockKey {
  shell::ControlId box;
  std::uint8_t code;
};

// In the order in which the boxes are refreshed.
constexpr std::array<LockKey, 3> kLockKeys{{
    {shell::选择框1, platform::VK_CAPITAL},
    {shell::选择框2, platform::VK_NUMLOCK},
    {shell::选择框3, platform::VK_SCROLL},
}};
constexpr const LockKey &kCapsLock = kLockKeys[0];
constexpr const LockKey &kNumLock = kLockKeys[1];
constexpr const LockKey &kScrollLock = kLockKeys[2];

using KeyStateTable = std::array<std::uint8_t, 256>;

void OnLockBoxClicked(const LockKey &key) {
  if (platform::OsFamily() == platform::kNtFamily) {
    // On the NT family an edited keyboard-state table reaches neither the indicator lights nor
    // other programs; a synthetic press and release of the key toggles it for the whole system.
    // Whatever the box shows, the next refresh sets it from the key.
    platform::keybd_event(key.code, 0, platform::KEYEVENTF_EXTENDEDKEY, 0);
    platform::keybd_event(key.code, 0, platform::KEYEVENTF_EXTENDEDKEY | platform::KEYEVENTF_KEYUP,
                          0);
    return;
  }
  // The box toggled itself before its clicked event, so it now shows the state the user asked for.
  SetLockKeyState(key.code, IsBoxChecked(key.box));
}

}  // namespace

void RefreshLockBoxes() {
  for (const LockKey &key : kLockKeys) {
    SetBoxChecked(key.box, (platform::GetKeyState(key.code) & 1) != 0);
  }
}

void OnCapsLockBoxClicked() {
  OnLockBoxClicked(kCapsLock);
}
void OnNumLockBoxClicked() {
  OnLockBoxClicked(kNumLock);
}
void OnScrollLockBoxClicked() {
  OnLockBoxClicked(kScrollLock);
}

void SetLockKeyState(std::int16_t key_code, bool on) {
  KeyStateTable table{};
  if (key_code < 0 || static_cast<std::size_t>(key_code) >= table.size()) {
    shell::ReportRuntimeError(shell::kIndexOutOfRange, "键码超出键盘状态表。");
  }
  platform::GetKeyboardState(table.data());
  std::uint8_t &entry = table[static_cast<std::size_t>(key_code)];
  entry = on ? static_cast<std::uint8_t>(entry | 1u) : static_cast<std::uint8_t>(entry & ~1u);
  platform::SetKeyboardState(table.data());
}

}  // namespace keyboard
