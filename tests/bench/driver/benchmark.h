// Start-up, exit and cost of the program against the baseline window.
#pragma once

namespace bench {

// Runs the baseline and the program in turns, `pairs` times after one warm-up pair, then leaves
// the program open and idle for `idle_seconds`. Prints one line: the medians as
// `name=program/baseline` and the program's idle CPU time. Throws when a run fails.
void RunBenchmark(int pairs, int idle_seconds);

}  // namespace bench
