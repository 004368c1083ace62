// The lock-key boxes of the main window with the program's own handlers, on the real Caps Lock
// state of the session.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/control_ids.h"
#include "shell/properties.h"
#include "shell/window_description.h"
#include "tests/wine/loaded_window.h"

namespace wine_tests {
namespace {

using namespace shell;  // the controls' own names

// Each test loads the main window itself, at the key states it needs.
using ToolkitLockKeys = LoadedWindowTest;

struct LockBox {
  ControlId box;
  int key;
};

constexpr LockBox kLockBoxes[] = {
    {选择框1, VK_CAPITAL}, {选择框2, VK_NUMLOCK}, {选择框3, VK_SCROLL}};

bool CapsLockOn() {
  return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

bool CapsBoxChecked() {
  return GetControlProperty(MainWindow, 选择框1, kCheckedProperty, kNoElement).integer != 0;
}

// A press and release of Caps Lock from outside the program, as the keyboard would send them.
void SwitchCapsLockFromOutside() {
  keybd_event(VK_CAPITAL, 0, KEYEVENTF_EXTENDEDKEY, 0);
  keybd_event(VK_CAPITAL, 0, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}

// Puts Caps Lock back as the test found it.
class CapsLockRestorer {
 public:
  CapsLockRestorer() : original_(CapsLockOn()) {}
  ~CapsLockRestorer() {
    if (CapsLockOn() == original_) return;
    SwitchCapsLockFromOutside();
    EXPECT_TRUE(PumpUntil([&] { return CapsLockOn() == original_; }));
  }
  CapsLockRestorer(const CapsLockRestorer &) = delete;
  CapsLockRestorer &operator=(const CapsLockRestorer &) = delete;

 private:
  const bool original_;
};

// Once with Caps Lock as the session has it and once switched, so that a box left unchecked
// cannot pass for a refreshed one.
TEST_F(ToolkitLockKeys, BoxesShowKeysWhenWindowOpens) {
  const CapsLockRestorer restorer;
  for (int opening = 0; opening < 2; ++opening) {
    SCOPED_TRACE(opening);
    Load(MainWindow, MainWindowDescription());
    for (const LockBox &lock : kLockBoxes) {
      EXPECT_EQ(GetControlProperty(MainWindow, lock.box, kCheckedProperty, kNoElement).integer,
                GetKeyState(lock.key) & 1);
    }
    const bool before = CapsLockOn();
    SwitchCapsLockFromOutside();
    ASSERT_TRUE(PumpUntil([&] { return CapsLockOn() != before; }));
    Unload();
  }
}

TEST_F(ToolkitLockKeys, ClickSwitchesKeyAndBoxFollowsOutsideSwitch) {
  const CapsLockRestorer restorer;
  Load(MainWindow, MainWindowDescription());
  const bool before = CapsLockOn();

  SendMessageW(Control(选择框1), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return CapsLockOn() != before; }));

  SwitchCapsLockFromOutside();
  // The next tick's refresh shows the key's state again.
  EXPECT_TRUE(PumpUntil([&] { return CapsLockOn() == before && CapsBoxChecked() == before; }));
}

}  // namespace
}  // namespace wine_tests
