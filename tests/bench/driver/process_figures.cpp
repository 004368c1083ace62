#include "process_figures.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "under_wine.h"

namespace bench {
namespace {

// ---------------------------------------------------------------------------------------------
// GDI objects. Windows counts them itself; Wine's GetGuiResources answers 0. But Wine keeps a
// table of GDI handles for each process, published like Windows' through the PEB's
// GdiSharedHandleTable, in which every entry in use holds its object type.

constexpr std::size_t kGdiSharedHandleTableOffset = 0xF8;  // in the 64-bit PEB
constexpr std::size_t kGdiHandleCount = 0x10000;
constexpr std::uint16_t kStockObjectFlag = 0x80;  // stock objects belong to no process

struct GdiHandleEntry {
  std::uint64_t kernel_object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;  // 0: free
  std::uint8_t flags;
  std::uint64_t user_object;
};
static_assert(sizeof(GdiHandleEntry) == 24);

void ReadFrom(HANDLE process, const void *address, void *into, std::size_t bytes) {
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, address, into, bytes, &read) || read != bytes) {
    throw std::runtime_error("cannot read the program's GDI handle table");
  }
}

long CountGdiHandleTableEntries(HANDLE process) {
  using QueryInformation = NTSTATUS(NTAPI *)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryInformation>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr ||
      query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
    throw std::runtime_error("cannot find the program's PEB");
  }
  const void *table = nullptr;
  ReadFrom(process,
           static_cast<const char *>(static_cast<const void *>(basic.PebBaseAddress)) +
               kGdiSharedHandleTableOffset,
           &table, sizeof table);
  if (table == nullptr) return 0;  // a process that never used GDI
  std::vector<GdiHandleEntry> entries(kGdiHandleCount);
  ReadFrom(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry));
  return static_cast<long>(
      std::count_if(entries.begin(), entries.end(), [](const GdiHandleEntry &entry) {
        return entry.type != 0 && (entry.unique & kStockObjectFlag) == 0;
      }));
}

long CountGdiObjects(HANDLE process) {
  if (UnderWine()) return CountGdiHandleTableEntries(process);
  return static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
}

// ---------------------------------------------------------------------------------------------
// Windows: the top-level and message-only windows of the process's threads, and every window
// inside them.

struct WindowCount {
  DWORD process_id;
  long count;
};

bool BelongsTo(HWND window, DWORD process_id) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == process_id;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count_address) {
  auto &count = *reinterpret_cast<WindowCount *>(count_address);
  if (BelongsTo(window, count.process_id)) ++count.count;
  return TRUE;
}

// A window of the process and every window of the process inside it.
BOOL CALLBACK CountWindowTree(HWND window, LPARAM count_address) {
  auto &count = *reinterpret_cast<WindowCount *>(count_address);
  if (!BelongsTo(window, count.process_id)) return TRUE;
  ++count.count;
  EnumChildWindows(window, CountOwnWindow, count_address);
  return TRUE;
}

long CountWindows(DWORD process_id) {
  WindowCount count{process_id, 0};
  EnumWindows(CountWindowTree, reinterpret_cast<LPARAM>(&count));
  for (HWND window = nullptr;
       (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;) {
    CountWindowTree(window, reinterpret_cast<LPARAM>(&count));
  }
  return count.count;
}

}  // namespace

ProcessFigures ReadProcessFigures(HANDLE process, DWORD process_id) {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(process, &memory, sizeof memory)) {
    throw std::runtime_error("cannot read the program's memory counters");
  }
  return {static_cast<double>(memory.PeakWorkingSetSize) / 1024,
          static_cast<double>(memory.PagefileUsage) / 1024, CountGdiObjects(process),
          CountWindows(process_id)};
}

}  // namespace bench
