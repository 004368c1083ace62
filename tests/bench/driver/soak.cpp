#include "soak.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <string>

#include "process_cpu_time.h"
#include "remote_window.h"
#include "subjects.h"
#include "tests/e2e/driver/key_repeat_settings.h"
#include "tests/e2e/driver/window_messages.h"

namespace bench {
namespace {

// What a user might paste into the delay box: numbers in and out of range, full-width forms,
// number-shaped prefixes, and no number at all. The typing filter does not see pasted text.
const wchar_t *const kPastedDelays[] = {
    L"0",          L"1",    L"2",      L"3",     L"-1",      L"  2",
    L"3abc",       L"１",   L"２．５", L"1e0",   L"",        L"abc",
    L"4294967298", L"-0.5", L"0x3",    L"1e400", L"+2.9e-0", L"99999999999999999999999999999999",
};

// The text of the paste with this number; the texts come round again and again.
const wchar_t *PastedDelay(int paste) {
  return kPastedDelays[static_cast<std::size_t>(paste) % std::size(kPastedDelays)];
}

// Enough of every action that whatever the program makes on first use already exists.
constexpr SoakCounts kWarmUp{20, static_cast<int>(std::size(kPastedDelays)), 2, 0};

struct Controls {
  HWND keyboard_type_button, function_keys_box, delay_box, delay_button, caps_lock_box;
};

Controls FindControls(HWND window) {
  return {e2e::FindControl(window, shell::按钮1), e2e::FindControl(window, shell::编辑框2),
          e2e::FindControl(window, shell::编辑框3), e2e::FindControl(window, shell::延时设置),
          e2e::FindControl(window, shell::选择框1)};
}

void Use(const Controls &controls, const SoakCounts &counts) {
  for (int i = 0; i < counts.keyboard_type_clicks; ++i) Click(controls.keyboard_type_button);
  for (int i = 0; i < counts.pasted_delays; ++i) {
    e2e::PasteText(controls.delay_box, PastedDelay(i));
    Click(controls.delay_button);
  }
  for (int i = 0; i < counts.caps_lock_clicks; ++i) Click(controls.caps_lock_box);
}

// A soak whose clicks and pastes went nowhere would prove nothing.
void CheckThatUseArrives(const Controls &controls) {
  if (e2e::ReadText(controls.function_keys_box).empty()) {
    throw std::runtime_error("the keyboard type button did not fill in the function keys");
  }
  if (e2e::ReadText(controls.delay_box) != PastedDelay(kWarmUp.pasted_delays - 1)) {
    throw std::runtime_error("the delay box does not keep the pasted text");
  }
  const bool checked = IsChecked(controls.caps_lock_box);
  Click(controls.caps_lock_box);
  const bool toggled = IsChecked(controls.caps_lock_box) != checked;
  Click(controls.caps_lock_box);
  if (!toggled) throw std::runtime_error("a click does not toggle the Caps Lock box");
}

// Where the system keeps the applied delay for the next session. Read from the registry: Wine
// caches system parameters in each process, so this process would not see another one's change.
std::wstring StoredDelayText() {
  return e2e::ReadProfileText(e2e::kStoredKeyboardDelay).value_or(L"");
}

}  // namespace

bool RunSoak(const SoakCounts &counts) {
  RunningProgram program(kProgram);
  const HWND window = program.Window();
  const Controls controls = FindControls(window);
  const ProcessCpuTime cpu_time(program.Process(), kProgram.file_name);
  const std::wstring original_delay = e2e::ReadText(controls.delay_box);
  const bool caps_lock_before = IsChecked(controls.caps_lock_box);

  Use(controls, kWarmUp);
  CheckThatUseArrives(controls);
  program.Settle();
  const ProcessFigures before = program.Figures();
  Use(controls, counts);
  // The program itself puts the delay back, as a user would.
  e2e::PasteText(controls.delay_box, original_delay);
  Click(controls.delay_button);

  const double idle_cpu_after_use_ms = cpu_time.MillisecondsWhileSleeping(counts.idle_seconds);
  program.Settle();
  const ProcessFigures after = program.Figures();
  // The lock boxes follow the keys once a second, so after the idle time this is the key's state.
  const bool caps_lock_restored = IsChecked(controls.caps_lock_box) == caps_lock_before;
  const bool delay_restored = StoredDelayText() == original_delay;
  if (!Answers(window)) throw std::runtime_error("the program stopped answering");
  program.Close();

  const long gdi_growth = after.gdi_objects - before.gdi_objects;
  const long windows_growth = after.windows - before.windows;
  std::printf(
      "soak keyboard_type_clicks=%d pasted_delays=%d caps_lock_clicks=%d idle_s=%d "
      "private_growth_kib=%.1f gdi_growth=%ld windows_growth=%ld idle_cpu_after_use_ms=%.2f "
      "gdi_objects=%ld windows=%ld caps_lock_restored=%d delay_restored=%d answers=1 exit_code=0\n",
      counts.keyboard_type_clicks, counts.pasted_delays, counts.caps_lock_clicks,
      counts.idle_seconds, after.private_kib - before.private_kib, gdi_growth, windows_growth,
      idle_cpu_after_use_ms, after.gdi_objects, after.windows, caps_lock_restored, delay_restored);
  return gdi_growth == 0 && windows_growth == 0;
}

}  // namespace bench
