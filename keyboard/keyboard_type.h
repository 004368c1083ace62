// The keyboard type report.
#pragma once

namespace keyboard {

// Asks for the keyboard type and its function-key count and shows both as texts.
void OnKeyboardTypeClicked();

}  // namespace keyboard
