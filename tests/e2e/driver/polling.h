// Waiting for another process: the program answers in its own time, so every wait polls until a
// condition holds or a generous deadline passes. Only the outcome counts, never the time taken.
#pragma once

#include <windows.h>

#include <chrono>

namespace e2e {

// Long enough for a cold start of the program under Wine on a busy machine.
inline constexpr std::chrono::milliseconds kGenerousWait{30000};

// True as soon as condition() holds; false if it still does not hold at the deadline.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds deadline = kGenerousWait) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    Sleep(20);
  }
}

}  // namespace e2e
