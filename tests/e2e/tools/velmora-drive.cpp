// Drives a running program for scripts that show it off:
//   velmora-drive fill    waits for the window, asks for the keyboard type so that every box is
//                         filled, and prints the window's frame as an X geometry, WxH+X+Y
//   velmora-drive close   closes the window with Esc
// Exits with 1 and a message when the window does not appear or does not answer.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>

#include "shell/control_ids.h"
#include "tests/e2e/driver/program_window.h"

namespace {

void Fill() {
  const e2e::ProgramWindow window = e2e::ProgramWindow::WaitForShown(0);
  window.Click(shell::按钮1);
  // Paint what the click changed now, so a picture taken next shows it.
  RedrawWindow(window.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const RECT frame = window.Frame();
  std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left,
              frame.top);
}

void Close() {
  e2e::ProgramWindow::WaitForShown(0).PressEscape();
}

}  // namespace

int main(int argc, char **argv) {
  const char *command = argc == 2 ? argv[1] : "";
  try {
    if (std::strcmp(command, "fill") == 0) {
      Fill();
    } else if (std::strcmp(command, "close") == 0) {
      Close();
    } else {
      std::fputs("usage: velmora-drive fill|close\n", stderr);
      return 2;
    }
  } catch (const std::exception &error) {
    std::fprintf(stderr, "velmora-drive: %s\n", error.what());
    return 1;
  }
  return 0;
}
