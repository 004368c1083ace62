// The one place where the program's GBK texts meet the UTF-16 of the windows: every window is a
// Unicode window, so the texts read right whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <string>

#include "keyboard/text.h"

namespace shell {

// Null counts as the empty text.
std::wstring GbkToWide(const char *gbk);

// Null for an empty text, as an empty box yields.
keyboard::Text WideToGbk(const wchar_t *wide, int length);

}  // namespace shell
