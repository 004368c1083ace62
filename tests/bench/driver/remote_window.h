// Using another process's windows the way a user or an assistive tool does: every request is a
// message that the owning thread must answer, so each one also proves the program still answers.
// Finding controls, reading texts and pasting are the end-to-end driver's (window_messages.h).
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// The first visible top-level window of the process, or null.
HWND FindVisibleWindow(DWORD process_id);

// What the title bar shows, read without a message.
std::wstring Title(HWND window);

void Click(HWND button);
bool IsChecked(HWND check_box);

// True when the window's thread handles a message within a few seconds.
bool Answers(HWND window);

}  // namespace bench
