#include "shell/fatal_error.h"

#include <windows.h>

#include "keyboard/number_text.h"
#include "keyboard/text.h"
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

  const keyboard::Text code_text = keyboard::IntegerToText(code);
  const keyboard::Text text = keyboard::JoinTexts(
      {"程序遇到致命错误（代码 ", code_text.get(), "），即将退出。\n\n", message});
  MessageBoxW(nullptr, GbkToWide(text.get()).get(), GbkToWide("Velmora键盘设置 - 运行时错误").get(),
              MB_OK | MB_ICONERROR);

  toolkit.end_hook = nullptr;
  platform::ReleaseBindings();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace shell
