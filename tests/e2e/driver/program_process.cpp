#include "tests/e2e/driver/program_process.h"

#include <stdexcept>
#include <string>

namespace e2e {

std::filesystem::path PathNextToThisProgram(const std::filesystem::path &file_name) {
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
  return std::filesystem::path(own).parent_path() / file_name;
}

std::filesystem::path ProgramPath() {
  return PathNextToThisProgram(VELMORA_EXE_NAME);
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
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
  if (IsRunning()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), INFINITE);
  }
}

bool ProgramProcess::IsRunning() const {
  return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ProgramProcess::EndsWithin(DWORD deadline_ms) const {
  return WaitForSingleObject(process_.get(), deadline_ms) == WAIT_OBJECT_0;
}

DWORD ProgramProcess::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::optional<DWORD> ProgramProcess::WaitForExit(DWORD deadline_ms) const {
  if (!EndsWithin(deadline_ms)) return std::nullopt;
  return ExitCode();
}

}  // namespace e2e
