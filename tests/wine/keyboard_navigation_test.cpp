// Tab, Shift+Tab and Esc in a loaded window, pressed into the thread's queue and handled with the
// steps of the toolkit's message loop.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/control_ids.h"
#include "shell/toolkit/keyboard_navigation.h"
#include "shell/toolkit/toolkit.h"
#include "shell/toolkit/toolkit_state.h"
#include "tests/wine/recording_window.h"

namespace wine_tests {
namespace {

using namespace shell;  // the controls' own names

using ToolkitKeyboard = RecordingWindowTest;

// The Tab order, from the control that has the focus when the window is first shown.
constexpr ControlId kTabOrder[] = {编辑框1, 按钮1,     编辑框2,  选择框1, 选择框2,
                                   选择框3, 编辑框3,   延时设置, 编辑框4, 速度设置,
                                   编辑框5, 延时设置1, 选择框4};

TEST_F(ToolkitKeyboard, FirstShownWithFocusOnFirstOfTabOrder) {
  EXPECT_EQ(GetFocus(), Control(编辑框1));
}

TEST_F(ToolkitKeyboard, TabWalksTabOrderAndWraps) {
  ASSERT_EQ(GetFocus(), Control(编辑框1));
  for (std::size_t step = 1; step <= std::size(kTabOrder); ++step) {
    SCOPED_TRACE(step);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), Control(kTabOrder[step % std::size(kTabOrder)]));
  }
}

TEST_F(ToolkitKeyboard, ShiftTabWalksTabOrderBackwardsAndWraps) {
  ASSERT_EQ(GetFocus(), Control(编辑框1));
  const HeldKeys shift{VK_SHIFT};
  for (std::size_t step = 1; step <= std::size(kTabOrder); ++step) {
    SCOPED_TRACE(step);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), Control(kTabOrder[(std::size(kTabOrder) - step) % std::size(kTabOrder)]));
  }
}

// When the window gets the focus back it passes it on to the control that had it when the window
// was deactivated.
TEST_F(ToolkitKeyboard, FocusReturnsToControlThatHadIt) {
  SetFocus(Control(编辑框3));
  SendMessageW(Window(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(Window());
  EXPECT_EQ(GetFocus(), Control(编辑框3));
}

TEST_F(ToolkitKeyboard, EnterAndF1NeitherClickNorMoveFocus) {
  SetFocus(Control(按钮1));
  for (const WPARAM key : {VK_RETURN, VK_F1}) {
    SCOPED_TRACE(key);
    PressKey(key);
    EXPECT_EQ(GetFocus(), Control(按钮1));
  }
  EXPECT_EQ(CountRaised(Event::Clicked), 0u);
  EXPECT_TRUE(IsWindow(Window()));
}

int end_hook_runs = 0;
void CountEndHookRun() {
  ++end_hook_runs;
}

// Posts a quit request with a code of its own if the loop is still running when it fires, so a
// window that does not close fails the test instead of hanging it.
constexpr int kWatchdogQuitCode = 77;
void CALLBACK QuitLoop(HWND, UINT, UINT_PTR, DWORD) {
  PostQuitMessage(kWatchdogQuitCode);
}

TEST_F(ToolkitKeyboard, EscClosesWindowAndEndsLoopWithCodeZero) {
  end_hook_runs = 0;
  SetEndHook(&CountEndHookRun);
  SetFocus(Control(编辑框3));
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, &QuitLoop);
  RunMessageLoop();
  KillTimer(nullptr, watchdog);

  EXPECT_FALSE(IsWindow(Window()));
  EXPECT_EQ(FindLoadedWindow(Id()), nullptr);
  EXPECT_EQ(end_hook_runs, 0);
  EXPECT_EQ(FinishProgram(), 0);
  EXPECT_EQ(end_hook_runs, 1);
  FinishProgram();  // the normal end emptied the slot
  EXPECT_EQ(end_hook_runs, 1);
}

TEST_F(ToolkitKeyboard, EscWithModifierLeavesWindowOpen) {
  SetFocus(Control(编辑框3));
  for (const BYTE modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    SCOPED_TRACE(modifier);
    {
      const HeldKeys held{modifier};
      PressKey(VK_ESCAPE);
    }
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_EQ(GetFocus(), Control(编辑框3));
  }
}

}  // namespace
}  // namespace wine_tests
