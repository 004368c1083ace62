#pragma once

#include <windows.h>

namespace bench {

// Wine's ntdll names its version; Windows' does not. Some figures are read differently there.
inline bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace bench
