// Using another process's windows the way a user or an assistive tool does: every request is a
// message that the owning thread must answer, so each one also proves the program still answers.
#pragma once

#include <windows.h>

#include <string>

#include "shell/control_ids.h"

namespace bench {

// The first visible top-level window of the process, or null.
HWND FindVisibleWindow(DWORD process_id);

// The control with this identifier anywhere inside the window; throws when there is none.
HWND FindControl(HWND window, shell::ControlId control);

// The window's text, read through WM_GETTEXT; throws when the window does not answer.
std::wstring ReadText(HWND window);

// What the title bar shows, read without a message.
std::wstring Title(HWND window);

void Click(HWND button);
bool IsChecked(HWND check_box);

// Replaces the edit box's text by pasting `text` from the clipboard, as Ctrl+A, Ctrl+V would.
void PasteText(HWND edit_box, const std::wstring &text);

// True when the window's thread handles a message within a few seconds.
bool Answers(HWND window);

}  // namespace bench
