// The caret blink time and the caret's visibility.
#pragma once

#include <cstdint>

namespace keyboard {

// Step of the window's created handler: stores the blink time in `value` as a signed integer
// (INFINITE shows as -1) and shows it.
void ShowCaretBlinkTime(std::int32_t &value);

void OnShowCaretBoxClicked();
void OnSetBlinkTimeClicked();

}  // namespace keyboard
