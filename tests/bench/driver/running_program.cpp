#include "running_program.h"

#include <stdexcept>
#include <string>

#include "remote_window.h"
#include "tests/e2e/driver/window_messages.h"

namespace bench {
namespace {

constexpr double kStartupLimitMs = 30000;
constexpr DWORD kExitLimitMs = 10000;
// Paints and the display's events arrive after the window shows; the peak working set counts
// what they cost.
constexpr DWORD kSettleMs = 250;

// <chrono> cannot be used: the sources' texts are stored as GBK, and it spells "µs".
LONGLONG Now() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return counter.QuadPart;
}

double MillisecondsSince(LONGLONG start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(Now() - start) * 1000 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

RunningProgram::RunningProgram(const Subject &subject)
    : started_at_(Now()), process_(e2e::PathNextToThisProgram(subject.file_name)) {
  WaitUntilReady(subject);
  startup_ms_ = MillisecondsSince(started_at_);
}

void RunningProgram::WaitUntilReady(const Subject &subject) {
  const LONGLONG start = Now();
  for (;;) {
    if (!process_.IsRunning()) throw std::runtime_error("the program ended while starting");
    if (MillisecondsSince(start) > kStartupLimitMs) {
      throw std::runtime_error("the program did not start");
    }
    window_ = FindVisibleWindow(process_.Id());
    if (window_ != nullptr) {
      const HWND holder =
          subject.text_holder != 0 ? e2e::FindControl(window_, subject.text_holder) : window_;
      if (!e2e::ReadText(holder).empty()) return;
    }
    Sleep(1);
  }
}

void RunningProgram::Settle() const {
  WaitForInputIdle(process_.Handle(), kExitLimitMs);
  Sleep(kSettleMs);
}

ProcessFigures RunningProgram::Figures() const {
  return ReadProcessFigures(process_.Handle(), process_.Id());
}

double RunningProgram::Close() {
  const LONGLONG start = Now();
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (!process_.EndsWithin(kExitLimitMs)) {
    throw std::runtime_error("the program did not exit after WM_CLOSE");
  }
  // Taken before the exit code is read: Wine takes a millisecond or more to give that out.
  const double milliseconds = MillisecondsSince(start);
  const DWORD exit_code = process_.ExitCode();
  if (exit_code != 0) {
    throw std::runtime_error("the program exited with code " + std::to_string(exit_code));
  }
  return milliseconds;
}

}  // namespace bench
