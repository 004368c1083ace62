// One run of the program, started by this process. Whatever happens to the caller, the run never
// outlives its owner: destruction ends a process that is still running.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

#include "tests/e2e/driver/owned_handle.h"

namespace e2e {

// A file in the folder of this process's own executable.
std::filesystem::path PathNextToThisProgram(const std::filesystem::path &file_name);

// The program's executable: it is built into the same folder as the programs that drive it.
std::filesystem::path ProgramPath();

class ProgramProcess {
 public:
  explicit ProgramProcess(const std::filesystem::path &executable);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess &) = delete;
  ProgramProcess &operator=(const ProgramProcess &) = delete;

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }
  bool IsRunning() const;
  // True once the process has ended; false if it still runs at the deadline.
  bool EndsWithin(DWORD deadline_ms) const;
  // The exit code of the process, which has ended.
  DWORD ExitCode() const;
  // The exit code once the process has ended; nothing if it still runs at the deadline.
  std::optional<DWORD> WaitForExit(DWORD deadline_ms) const;

 private:
  OwnedHandle process_;
  DWORD id_ = 0;
};

}  // namespace e2e
