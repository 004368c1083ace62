// The keyboard handling of a loaded window: Tab and Shift+Tab walk the Tab order and wrap,
// Esc without modifiers closes the window, Enter and F1 do nothing, and the focus is remembered
// across deactivation.
#pragma once

#include <windows.h>

#include "shell/toolkit/toolkit_state.h"

namespace shell {

// Handles the key a message carries for the loaded window it is addressed to; true if the
// message was used up and must not be dispatched.
bool PreTranslateKey(const MSG &message);

void RememberFocus(LoadedWindow &loaded);
// Gives the focus to the remembered control if it still exists, else to the first of the Tab
// order.
void RestoreFocus(LoadedWindow &loaded);

}  // namespace shell
