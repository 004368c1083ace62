// Another process's windows, used through messages that the owning thread must answer: each
// request also proves that the program still answers, and one that is not answered in time is a
// failure, not a hang.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace e2e {

// The answer to the message; throws when the window's thread does not answer in time.
LRESULT Send(HWND to, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);

// The control with this child-window identifier anywhere inside the window; throws when there is
// none.
HWND FindControl(HWND window, std::uint32_t id);

// The window's text, read through WM_GETTEXT.
std::wstring ReadText(HWND window);

// Replaces the whole text of an edit box with the text, through the clipboard, as Ctrl+A, Ctrl+V
// would.
void PasteText(HWND edit_box, std::wstring_view text);

}  // namespace e2e
