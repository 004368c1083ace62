// The window toolkit's operations for the start routine.
#pragma once

#include "shell/control_ids.h"
#include "shell/window_description.h"

#include <span>

namespace shell {

// Reads the window descriptions and prepares the table of platform functions (names only).
void ToolkitStartup();

// Adds a window description that LoadStartWindow can build; its first record is the window.
void StoreWindowDescription(WindowId window, std::span<const Record> description);

// The routine the normal end runs once.
void SetEndHook(Handler hook);

// Builds the window from its description, raises its created event, then shows it.
void LoadStartWindow(WindowId window);

// Takes and dispatches messages until the quit request; returns at once if no window is open.
void RunMessageLoop();

// The clean-up after the start routine: no handler runs any more, the descriptions are released,
// the end hook runs once and the bound libraries are freed. Returns the quit code.
int FinishProgram();

}  // namespace shell
