#include "running_program.h"

#include <stdexcept>
#include <string>

#include "remote_window.h"

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

std::wstring PathNextToThisProgram(const wchar_t *file_name) {
  wchar_t own_path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, own_path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) {
    throw std::runtime_error("cannot find this program's path");
  }
  std::wstring path(own_path, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + file_name;
}

bool HasEnded(HANDLE process) {
  return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

}  // namespace

RunningProgram::RunningProgram(const Subject &subject) {
  const std::wstring path = PathNextToThisProgram(subject.file_name);
  std::wstring command_line = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const LONGLONG start = Now();
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &started)) {
    throw std::runtime_error("cannot start the program");
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  process_id_ = started.dwProcessId;
  try {
    WaitUntilReady(subject);
  } catch (...) {
    EndIfRunning();  // the destructor does not run for an object that was never made
    throw;
  }
  startup_ms_ = MillisecondsSince(start);
}

void RunningProgram::WaitUntilReady(const Subject &subject) {
  const LONGLONG start = Now();
  for (;;) {
    if (HasEnded(process_.get())) throw std::runtime_error("the program ended while starting");
    if (MillisecondsSince(start) > kStartupLimitMs) {
      throw std::runtime_error("the program did not start");
    }
    window_ = FindVisibleWindow(process_id_);
    if (window_ != nullptr) {
      const HWND holder =
          subject.text_holder != 0 ? FindControl(window_, subject.text_holder) : window_;
      if (!ReadText(holder).empty()) return;
    }
    Sleep(1);
  }
}

void RunningProgram::EndIfRunning() {
  if (process_ != nullptr && !HasEnded(process_.get())) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), kExitLimitMs);
  }
}

void RunningProgram::Settle() const {
  WaitForInputIdle(process_.get(), kExitLimitMs);
  Sleep(kSettleMs);
}

ProcessFigures RunningProgram::Figures() const {
  return ReadProcessFigures(process_.get(), process_id_);
}

double RunningProgram::Close() {
  const LONGLONG start = Now();
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.get(), kExitLimitMs) != WAIT_OBJECT_0) {
    throw std::runtime_error("the program did not exit after WM_CLOSE");
  }
  const double milliseconds = MillisecondsSince(start);
  DWORD exit_code = 1;
  GetExitCodeProcess(process_.get(), &exit_code);
  if (exit_code != 0) {
    throw std::runtime_error("the program exited with code " + std::to_string(exit_code));
  }
  return milliseconds;
}

}  // namespace bench
