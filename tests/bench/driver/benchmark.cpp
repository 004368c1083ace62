#include "benchmark.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "median.h"
#include "process_cpu_time.h"
#include "remote_window.h"
#include "subjects.h"

namespace bench {
namespace {

struct Samples {
  std::vector<double> startup_ms, close_ms, peak_working_set_kib, private_kib, gdi_objects, windows;
};

// One run; returns the window's title, so that the caller can compare the two subjects.
std::wstring RunOnce(const Subject &subject, Samples &samples) {
  RunningProgram program(subject);
  std::wstring title = Title(program.Window());
  program.Settle();
  const ProcessFigures figures = program.Figures();
  const double close_ms = program.Close();
  samples.startup_ms.push_back(program.StartupMilliseconds());
  samples.close_ms.push_back(close_ms);
  samples.peak_working_set_kib.push_back(figures.peak_working_set_kib);
  samples.private_kib.push_back(figures.private_kib);
  samples.gdi_objects.push_back(static_cast<double>(figures.gdi_objects));
  samples.windows.push_back(static_cast<double>(figures.windows));
  return title;
}

void PrintFigure(const char *name, const std::vector<double> &program,
                 const std::vector<double> &baseline) {
  std::printf(" %s=%.1f/%.1f", name, Median(program), Median(baseline));
}

// The CPU time of the program sitting open, started and settled, with nobody using it.
double IdleCpuMilliseconds(int idle_seconds) {
  RunningProgram program(kProgram);
  program.Settle();
  const ProcessCpuTime cpu_time(program.Process(), kProgram.file_name);
  const double idle_cpu_ms = cpu_time.MillisecondsWhileSleeping(idle_seconds);
  program.Close();
  return idle_cpu_ms;
}

}  // namespace

void RunBenchmark(int pairs, int idle_seconds) {
  Samples warm_up;
  if (RunOnce(kBaseline, warm_up) != RunOnce(kProgram, warm_up)) {
    throw std::runtime_error("the baseline's title is not the program's");
  }
  Samples program, baseline;
  for (int pair = 0; pair < pairs; ++pair) {
    RunOnce(kBaseline, baseline);
    RunOnce(kProgram, program);
    std::fprintf(stderr, "pair %d: start-up %.1f / %.1f ms\n", pair + 1, program.startup_ms.back(),
                 baseline.startup_ms.back());
  }
  std::printf("benchmark pairs=%d", pairs);
  PrintFigure("startup_ms", program.startup_ms, baseline.startup_ms);
  PrintFigure("close_ms", program.close_ms, baseline.close_ms);
  PrintFigure("peak_working_set_kib", program.peak_working_set_kib, baseline.peak_working_set_kib);
  PrintFigure("private_kib", program.private_kib, baseline.private_kib);
  PrintFigure("gdi_objects", program.gdi_objects, baseline.gdi_objects);
  PrintFigure("windows", program.windows, baseline.windows);
  std::printf(" idle_s=%d idle_cpu_ms=%.2f\n", idle_seconds, IdleCpuMilliseconds(idle_seconds));
}

}  // namespace bench
