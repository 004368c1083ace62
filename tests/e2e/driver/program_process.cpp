#include "tests/e2e/driver/program_process.h"

#include <stdexcept>
#include <string>

namespace e2e {

std::filesystem::path ProgramPath() {
  std::wstring own(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size()));
    if (length == 0) throw std::runtime_error("own executable path unknown");
    if (length < own.size()) {
      own.resize(length);
      break;
    }
    own.resize(own.size() * 2);
  }
  return std::filesystem::path(own).parent_path() / VELMORA_EXE_NAME;
}

ProgramProcess::ProgramProcess(const std::filesystem::path &executable) {
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::wstring command_line = L"\"" + executable.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(executable.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &started)) {
    throw std::runtime_error("cannot start " + executable.string() + ", error " +
                             std::to_string(GetLastError()));
  }
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  id_ = started.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
  if (IsRunning()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
  }
  CloseHandle(process_);
}

bool ProgramProcess::IsRunning() const {
  return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramProcess::WaitForExit(DWORD deadline_ms) const {
  if (WaitForSingleObject(process_, deadline_ms) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace e2e
