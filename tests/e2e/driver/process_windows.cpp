#include "tests/e2e/driver/process_windows.h"

namespace e2e {
namespace {

struct WindowsSearch {
  DWORD process_id;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOfProcess(HWND window, LPARAM search_address) {
  auto &search = *reinterpret_cast<WindowsSearch *>(search_address);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.process_id) search.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD process_id) {
  WindowsSearch search{process_id, {}};
  EnumWindows(&CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace e2e
