// The one place where the program's GBK texts meet the UTF-16 of the windows: every window is a
// Unicode window, so the texts read right whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <memory>

#include "keyboard/allocation.h"
#include "keyboard/text.h"

namespace shell {

using WideText = std::unique_ptr<wchar_t[], keyboard::FreeMemory>;

// Never null; null counts as the empty text.
WideText GbkToWide(const char *gbk);

// Null for an empty text, as an empty box yields.
keyboard::Text WideToGbk(const wchar_t *wide, int length);

}  // namespace shell
