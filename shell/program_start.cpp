#include "shell/program_start.h"

#include <cfenv>

#include "shell/control_ids.h"
#include "shell/toolkit/toolkit.h"

namespace shell {
namespace {

// The program's own hooks at its start and its normal end; it has nothing to do at either.
void StartHook() {}
void EndHook() {}

}  // namespace

int ProgramStart() {
  ToolkitStartup();
  // Round to nearest with every exception masked: conversions of out-of-range numbers give their
  // defined results instead of trapping.
  std::fesetenv(FE_DFL_ENV);
  StartHook();
  SetEndHook(&EndHook);
  LoadStartWindow(MainWindow);
  RunMessageLoop();
  return 0;
}

}  // namespace shell
