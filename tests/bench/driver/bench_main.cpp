// Measures the program from outside, under Wine, as a user meets it:
//   velmora_bench benchmark PAIRS IDLE_SECONDS
//   velmora_bench soak KEYBOARD_TYPE_CLICKS PASTED_DELAYS CAPS_LOCK_CLICKS IDLE_SECONDS
// Exit code 0: measured (and for the soak, nothing grew); 1: a run failed; 2: bad arguments.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "benchmark.h"
#include "soak.h"

namespace {

// A count from the command line; -1 when the argument is not a non-negative number.
int CountArgument(const char *argument) {
  char *end = nullptr;
  const long count = std::strtol(argument, &end, 10);
  return end != argument && *end == '\0' && count >= 0 && count <= 1000000 ? static_cast<int>(count)
                                                                           : -1;
}

int Usage() {
  std::fputs(
      "usage: velmora_bench benchmark PAIRS IDLE_SECONDS\n"
      "       velmora_bench soak KEYBOARD_TYPE_CLICKS PASTED_DELAYS CAPS_LOCK_CLICKS "
      "IDLE_SECONDS\n"
      "       (the Caps Lock clicks an even number)\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  try {
    if (mode == "benchmark" && argc == 4) {
      const int pairs = CountArgument(argv[2]);
      const int idle_seconds = CountArgument(argv[3]);
      if (pairs < 1 || idle_seconds < 0) return Usage();
      bench::RunBenchmark(pairs, idle_seconds);
      return 0;
    }
    if (mode == "soak" && argc == 6) {
      const bench::SoakCounts counts{CountArgument(argv[2]), CountArgument(argv[3]),
                                     CountArgument(argv[4]), CountArgument(argv[5])};
      if (counts.keyboard_type_clicks < 0 || counts.pasted_delays < 0 ||
          counts.caps_lock_clicks < 0 || counts.caps_lock_clicks % 2 != 0 ||
          counts.idle_seconds < 0) {
        return Usage();
      }
      if (bench::RunSoak(counts)) return 0;
      std::fputs("velmora_bench: GDI objects or windows grew during the soak\n", stderr);
      return 1;
    }
  } catch (const std::exception &error) {
    std::fprintf(stderr, "velmora_bench: %s\n", error.what());
    return 1;
  }
  return Usage();
}
