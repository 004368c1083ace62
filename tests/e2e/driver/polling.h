// Waiting for another process: the program answers in its own time, so every wait polls until a
// condition holds or a generous deadline passes. Only the outcome counts, never the time taken.
#pragma once

#include <windows.h>

namespace e2e {

// Milliseconds; long enough for a cold start of the program under Wine on a busy machine.
inline constexpr DWORD kGenerousWaitMs = 30000;

// True as soon as condition() holds; false if it still does not hold at the deadline.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD deadline_ms = kGenerousWaitMs) {
  const ULONGLONG end = GetTickCount64() + deadline_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

}  // namespace e2e
