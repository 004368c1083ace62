// Handler of the main window's created event.
#pragma once

namespace shell {

// Fills the window before it is first shown: the lock-key boxes, the key-repeat delay and speed,
// then the caret blink time, each step finished before the next begins.
void OnWindowCreated();

}  // namespace shell
