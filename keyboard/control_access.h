// Reading and writing the controls of the main window through the toolkit's two property
// operations; the only way the handlers touch the window.
#pragma once

#include "keyboard/text.h"
#include "shell/control_ids.h"

namespace keyboard {

// The text the edit box shows, as a new copy; null when it shows nothing.
Text ReadBoxText(shell::ControlId box);
// Replaces what the edit box shows; the box keeps its own copy, null counts as empty.
void WriteBoxText(shell::ControlId box, const char *text);

bool IsBoxChecked(shell::ControlId box);
// Changes only what the box shows: no clicked event is raised.
void SetBoxChecked(shell::ControlId box, bool checked);

}  // namespace keyboard
