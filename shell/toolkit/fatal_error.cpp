#include "shell/fatal_error.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/bindings.h"
#include "shell/toolkit/text_codec.h"
#include "shell/toolkit/toolkit_state.h"

namespace shell {

void ReportRuntimeError(std::int32_t code, const char *message) {
  ToolkitState &toolkit = Toolkit();
  static bool reporting = false;
  // A failure while the first one is being reported ends the program without a second box.
  if (reporting) ExitProcess(static_cast<UINT>(-1));
  reporting = true;
  toolkit.dispatching = false;

  char heading[64];
  std::snprintf(heading, sizeof heading, "程序遇到致命错误（代码 %d），即将退出。\n\n",
                static_cast<int>(code));
  const std::wstring text = GbkToWide(heading) + GbkToWide(message);
  MessageBoxW(nullptr, text.c_str(), GbkToWide("Velmora键盘设置 - 运行时错误").c_str(),
              MB_OK | MB_ICONERROR);

  toolkit.end_hook = nullptr;
  platform::ReleaseBindings();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace shell
