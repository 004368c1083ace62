// One run of the program, started by this process. Whatever happens to the caller, the run never
// outlives its owner: destruction ends a process that is still running.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

namespace e2e {

// The program's executable: it is built into the same folder as the programs that drive it.
std::filesystem::path ProgramPath();

class ProgramProcess {
 public:
  explicit ProgramProcess(const std::filesystem::path &executable);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess &) = delete;
  ProgramProcess &operator=(const ProgramProcess &) = delete;

  DWORD Id() const { return id_; }
  bool IsRunning() const;
  // The exit code once the process has ended; nothing if it still runs at the deadline.
  std::optional<DWORD> WaitForExit(DWORD deadline_ms) const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

}  // namespace e2e
