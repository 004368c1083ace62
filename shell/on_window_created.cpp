#include "shell/on_window_created.h"

#include <cstdint>

#include "keyboard/caret.h"
#include "keyboard/key_repeat.h"
#include "keyboard/lock_keys.h"

namespace shell {

void OnWindowCreated() {
  // One integer carries the values of the three reads in turn; a read that fails leaves the
  // value of the one before.
  std::int32_t value = 0;
  keyboard::RefreshLockBoxes();
  keyboard::ShowRepeatDelay(value);
  keyboard::ShowRepeatSpeed(value);
  keyboard::ShowCaretBlinkTime(value);
}

}  // namespace shell
