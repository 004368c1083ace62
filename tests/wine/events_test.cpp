// When the toolkit raises events: the created event first and with the window still hidden, a
// check box's clicked event after the box has toggled, and the timer's periodic event only once
// a period has passed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/control_ids.h"
#include "tests/wine/recording_window.h"

namespace wine_tests {
namespace {

using namespace shell;  // the controls' own names

using ToolkitEvents = RecordingWindowTest;

TEST_F(ToolkitEvents, CreatedIsTheOnlyEventOfTheLoadAndComesBeforeShowing) {
  ASSERT_EQ(RaisedEvents().size(), 1u);
  EXPECT_EQ(RaisedEvents().front().position, 0u);
  EXPECT_EQ(RaisedEvents().front().event, Event::Created);
  EXPECT_FALSE(RaisedEvents().front().window_visible);
  EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(ToolkitEvents, FirstTickComesOnlyAfterCreation) {
  MSG tick;
  EXPECT_FALSE(PeekMessageW(&tick, Control(时钟1), WM_TIMER, WM_TIMER, PM_NOREMOVE));
  EXPECT_TRUE(PumpUntil([&] { return CountRaised(Event::Periodic, Position(时钟1)) > 0; }));
  EXPECT_EQ(RaisedEvents().front().event, Event::Created);
}

// The last clicked event raised for the record at `position`; the recording must hold one.
const RaisedEvent &LastClick(std::size_t position) {
  const auto last =
      std::find_if(RaisedEvents().rbegin(), RaisedEvents().rend(), [&](const RaisedEvent &raised) {
        return raised.event == Event::Clicked && raised.position == position;
      });
  return *last;
}

void ClickWithMouse(HWND control) {
  SendMessageW(control, BM_CLICK, 0, 0);
}

void ClickWithSpaceBar(HWND control) {
  SetFocus(control);
  PostMessageW(control, WM_KEYDOWN, VK_SPACE, 1);
  PostMessageW(control, WM_KEYUP, VK_SPACE, 0xC0000001);
  PumpPending();
}

// A box held in a group box reports its click to the group box, which passes it on. Each click
// toggles the box before its handler runs.
TEST_F(ToolkitEvents, CheckBoxInGroupBoxRaisesClickAfterToggling) {
  const std::size_t box = Position(选择框1);
  const auto clicks = {&ClickWithMouse, &ClickWithSpaceBar, &ClickWithMouse, &ClickWithSpaceBar};
  std::size_t count = 0;
  for (const auto click : clicks) {
    SCOPED_TRACE(count);
    click(Control(选择框1));
    ++count;
    ASSERT_EQ(CountRaised(Event::Clicked, box), count);
    EXPECT_EQ(LastClick(box).box_checked, count % 2 == 1);
  }
}

// The other bound sources: a button held in a group box and one in the window itself.
TEST_F(ToolkitEvents, ButtonsRaiseClicked) {
  for (const ControlId button : {延时设置, 按钮1}) {
    SCOPED_TRACE(button);
    SendMessageW(Control(button), BM_CLICK, 0, 0);
    EXPECT_EQ(CountRaised(Event::Clicked, Position(button)), 1u);
  }
}

}  // namespace
}  // namespace wine_tests
