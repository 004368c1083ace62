// The three lock-key boxes: each shows and switches the toggle state of its key.
#pragma once

#include <cstdint>

namespace keyboard {

// Sets every lock-key box from the real state of its key; all three are written on every run.
void RefreshLockBoxes();

void OnCapsLockBoxClicked();
void OnNumLockBoxClicked();
void OnScrollLockBoxClicked();

// Sets or clears bit 0 of the key's entry in the keyboard-state table, leaving every other bit as
// read. Defined for key codes 0 to 255; any other code is a fatal run-time error.
void SetLockKeyState(std::int16_t key_code, bool on);

}  // namespace keyboard
