// A long session of use: whether the program keeps what it takes and still answers afterwards.
#pragma once

namespace bench {

struct SoakCounts {
  int keyboard_type_clicks;
  int pasted_delays;
  int caps_lock_clicks;  // even, so that Caps Lock ends as it began
  int idle_seconds;
};

// Uses the program `counts` times after a warm-up round, then leaves it idle, and prints one line
// of what grew in between, the idle CPU time and the checks. True when neither GDI objects nor
// windows grew; throws when the program stops answering or does not exit with 0.
bool RunSoak(const SoakCounts &counts);

}  // namespace bench
