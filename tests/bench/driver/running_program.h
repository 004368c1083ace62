// One run of a program of the build: started, waited for until a user could use it, closed.
#pragma once

#include <windows.h>

#include "process_figures.h"
#include "shell/control_ids.h"
#include "tests/e2e/driver/program_process.h"

namespace bench {

struct Subject {
  const wchar_t *file_name;  // next to this driver
  // The control whose text shows that the window has been filled in; 0 for the window itself,
  // whose title is then read the same way.
  shell::ControlId text_holder;
};

class RunningProgram {
 public:
  // Starts the program and returns once its window is visible and the text holder, asked from
  // this process, has answered with a text. Throws when that does not happen in time.
  explicit RunningProgram(const Subject &subject);

  double StartupMilliseconds() const { return startup_ms_; }
  HWND Window() const { return window_; }
  HANDLE Process() const { return process_.Handle(); }

  // Waits until the program has nothing left to do.
  void Settle() const;
  ProcessFigures Figures() const;

  // Asks the window to close, as its close box does, and returns the milliseconds until the
  // process has ended. Throws unless it ends in time with exit code 0.
  double Close();

 private:
  void WaitUntilReady(const Subject &subject);

  // Start-up counts from before the process is started, so this comes first.
  LONGLONG started_at_;
  // Ends a program that is still running: only a failed run leaves one.
  e2e::ProgramProcess process_;
  HWND window_ = nullptr;
  double startup_ms_ = 0;
};

}  // namespace bench
