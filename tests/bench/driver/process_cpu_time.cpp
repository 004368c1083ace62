#include "process_cpu_time.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "tests/e2e/driver/owned_handle.h"
#include "under_wine.h"

namespace bench {
namespace {

// Wine shows the Linux root as drive Z:.
const std::wstring kProc = L"Z:\\proc\\";

// The whole file; empty when it cannot be read, as when the process has just ended.
std::string ReadWholeFile(const std::wstring &path) {
  const HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return {};
  const e2e::OwnedHandle file(opened);
  std::string content;
  char block[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), block, sizeof block, &read, nullptr) && read != 0) {
    content.append(block, read);
  }
  return content;
}

// The names in a /proc folder that are numbers: process or thread ids.
std::vector<std::wstring> NumberedEntries(const std::wstring &folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (!name.empty() && std::all_of(name.begin(), name.end(), iswdigit)) names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::wstring Lowercase(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), towlower);
  return text;
}

// Wine gives each process the Windows command line as its arguments; the first names the program.
bool RunsProgram(const std::string &command_line, const std::wstring &program_file_name) {
  const std::string path = command_line.substr(0, command_line.find('\0'));
  const std::size_t separator = path.find_last_of("\\/");
  const std::string name = path.substr(separator == std::string::npos ? 0 : separator + 1);
  return Lowercase(std::wstring(name.begin(), name.end())) == Lowercase(program_file_name);
}

// Every prefix has its own wineserver and its own processes, so the prefix tells this run's
// processes from those of another Wine session on the machine.
bool InThisPrefix(const std::string &environment) {
  wchar_t prefix[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) throw std::runtime_error("WINEPREFIX is not set");
  const std::string entry = "WINEPREFIX=" + std::string(prefix, prefix + length) + '\0';
  return ('\0' + environment).find('\0' + entry) != std::string::npos;
}

// The Linux process id of the one process of this prefix that runs the program file.
unsigned long FindLinuxProcess(const std::wstring &program_file_name) {
  std::vector<std::wstring> matches;
  for (const std::wstring &id : NumberedEntries(kProc)) {
    const std::wstring folder = kProc + id + L"\\";
    if (RunsProgram(ReadWholeFile(folder + L"cmdline"), program_file_name) &&
        InThisPrefix(ReadWholeFile(folder + L"environ"))) {
      matches.push_back(id);
    }
  }
  if (matches.size() != 1) {
    throw std::runtime_error("expected one Linux process of the program, found " +
                             std::to_string(matches.size()));
  }
  return std::stoul(matches.front());
}

// /proc/<pid>/task/<tid>/schedstat starts with the nanoseconds the thread has run, far finer
// than the 10 ms ticks of utime and stime in /proc/<pid>/stat.
std::uint64_t LinuxCpuNanoseconds(unsigned long linux_process_id) {
  const std::wstring tasks = kProc + std::to_wstring(linux_process_id) + L"\\task\\";
  std::uint64_t total = 0;
  for (const std::wstring &thread : NumberedEntries(tasks)) {
    std::istringstream schedule(ReadWholeFile(tasks + thread + L"\\schedstat"));
    std::uint64_t ran = 0;
    if (schedule >> ran) total += ran;
  }
  return total;
}

std::uint64_t Nanoseconds(const FILETIME &time) {
  return (std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime) * 100;
}

std::uint64_t CpuNanoseconds(HANDLE process, unsigned long linux_process_id) {
  if (linux_process_id != 0) return LinuxCpuNanoseconds(linux_process_id);
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
    throw std::runtime_error("cannot read the program's CPU time");
  }
  return Nanoseconds(kernel) + Nanoseconds(user);
}

}  // namespace

ProcessCpuTime::ProcessCpuTime(HANDLE process, const wchar_t *program_file_name)
    : process_(process) {
  if (UnderWine()) linux_process_id_ = FindLinuxProcess(program_file_name);
}

double ProcessCpuTime::MillisecondsWhileSleeping(int seconds) const {
  const std::uint64_t before = CpuNanoseconds(process_, linux_process_id_);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return static_cast<double>(CpuNanoseconds(process_, linux_process_id_) - before) / 1e6;
}

}  // namespace bench
