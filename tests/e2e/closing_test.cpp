// Esc closes the window and ends the program with exit code 0; Esc with Shift held does not.
#include <windows.h>

#include "shell/control_ids.h"
#include "tests/e2e/program_session.h"

namespace e2e {
namespace {

using E2eClosing = ProgramSession;

// Keyboard input, as a user presses it; every other test closes with Esc sent to the focused
// control on its way out.
TEST_F(E2eClosing, EscapeEndsTheProgramWithExitCodeZero) {
  window_.PressChord({VK_ESCAPE});
  EXPECT_EQ(process_.WaitForExit(kGenerousWaitMs), 0u);
  EXPECT_FALSE(window_.Exists());
}

TEST_F(E2eClosing, ShiftEscapeLeavesTheWindowOpen) {
  window_.PressChord({VK_SHIFT, VK_ESCAPE});
  // Keys are handled in the order they come, so once a digit typed after Shift+Esc shows in the
  // focused box, Shift+Esc has been handled too.
  window_.PressChord({'7'});
  EXPECT_TRUE(WaitUntil([&] { return window_.Text(shell::编辑框1) == L"7"; }));
  EXPECT_TRUE(window_.Exists());
}

}  // namespace
}  // namespace e2e
