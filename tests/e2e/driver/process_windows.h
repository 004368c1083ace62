// The windows another process shows, found from outside it.
#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

// The process's top-level windows, topmost first.
std::vector<HWND> TopLevelWindowsOf(DWORD process_id);

}  // namespace e2e
