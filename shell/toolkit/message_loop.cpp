#include <windows.h>

#include "shell/fatal_error.h"
#include "shell/toolkit/keyboard_navigation.h"
#include "shell/toolkit/toolkit.h"
#include "shell/toolkit/toolkit_state.h"

namespace shell {

void RunMessageLoop() {
  ToolkitState &toolkit = Toolkit();
  if (toolkit.loaded == nullptr) return;
  toolkit.loop_begun = true;
  MSG message;
  for (;;) {
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0) break;
    if (result == -1) ReportRuntimeError(kMessageQueueFailed, "消息队列无法读取。");
    if (PreTranslateKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  toolkit.quit_code = static_cast<int>(message.wParam);
}

}  // namespace shell
