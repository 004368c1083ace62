// The CPU time another process has used. Wine's GetProcessTimes reports 0 for another process,
// but under Wine every Windows process is a Linux process, and the kernel accounts for it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace bench {

class ProcessCpuTime {
 public:
  // Under Wine, finds the one Linux process of this prefix that runs the program file; throws
  // when there is none or more than one.
  ProcessCpuTime(HANDLE process, const wchar_t *program_file_name);

  // The milliseconds of user and kernel time the process uses while this thread sleeps.
  double MillisecondsWhileSleeping(int seconds) const;

 private:
  HANDLE process_;
  unsigned long linux_process_id_ = 0;  // 0: not under Wine
};

}  // namespace bench
