#include <windows.h>

#include "platform/bindings.h"
#include "shell/fatal_error.h"
#include "shell/toolkit/toolkit.h"
#include "shell/toolkit/toolkit_state.h"
#include "shell/toolkit/window_classes.h"

namespace shell {

void ToolkitStartup() {
  StoreWindowDescription(MainWindow, MainWindowDescription());
  platform::PrepareBindings();
}

void StoreWindowDescription(WindowId window, std::span<const Record> description) {
  ToolkitState &toolkit = Toolkit();
  if (toolkit.description_count == toolkit.descriptions.size()) {
    ReportRuntimeError(kTooManyDescriptions, "窗口描述太多。");
  }
  toolkit.descriptions[toolkit.description_count++] = {window, description};
}

void SetEndHook(Handler hook) {
  Toolkit().end_hook = hook;
}

int FinishProgram() {
  ToolkitState &toolkit = Toolkit();
  toolkit.dispatching = false;
  toolkit.description_count = 0;
  const Handler end_hook = toolkit.end_hook;
  toolkit.end_hook = nullptr;
  if (end_hook != nullptr) end_hook();
  UnregisterWindowClasses();
  platform::ReleaseBindings();
  return toolkit.quit_code;
}

}  // namespace shell
