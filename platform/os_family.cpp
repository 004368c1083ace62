#include <windows.h>

#include "platform/user32.h"

namespace platform {

std::int32_t OsFamily() {
  OSVERSIONINFOA info{};
  static_assert(sizeof info == 148);
  info.dwOSVersionInfoSize = sizeof info;
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated, but the platform id is all that is asked
#endif
  if (!GetVersionExA(&info)) return 0;
  switch (info.dwPlatformId) {
    case 0:  // VER_PLATFORM_WIN32s
      return 1;
    case 1:  // VER_PLATFORM_WIN32_WINDOWS
      return 2;
    case 2:  // VER_PLATFORM_WIN32_NT
      return 3;
    default:
      return 0;
  }
}

}  // namespace platform
