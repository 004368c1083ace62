// The two property operations on the real controls: texts as new copies in GBK, null for an empty
// box, and checked states that change what a box shows and nothing else.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "shell/control_ids.h"
#include "shell/properties.h"
#include "tests/wine/recording_window.h"

namespace wine_tests {
namespace {

using namespace shell;  // the controls' own names

using ToolkitProperties = RecordingWindowTest;

PropertyValue ReadText(WindowId window, ControlId box) {
  return GetControlProperty(window, box, kTextProperty, kNoElement);
}

std::int32_t ReadChecked(WindowId window, ControlId box) {
  return GetControlProperty(window, box, kCheckedProperty, kNoElement).integer;
}

TEST_F(ToolkitProperties, EmptyBoxReadsAsNull) {
  EXPECT_EQ(ReadText(Id(), 编辑框1).text, nullptr);
  SetControlProperty(Id(), 编辑框1, kTextProperty, kNoElement, {.text = "x"});
  SetControlProperty(Id(), 编辑框1, kTextProperty, kNoElement, {.text = nullptr});
  EXPECT_EQ(ReadText(Id(), 编辑框1).text, nullptr);
}

TEST_F(ToolkitProperties, EachReadIsANewCopy) {
  char zero[] = "0";
  SetControlProperty(Id(), 编辑框5, kTextProperty, kNoElement, {.text = zero});
  // cppcheck-suppress unreadVariable ; the box must not see this change: it keeps its own copy
  zero[0] = '9';
  const PropertyValue first = ReadText(Id(), 编辑框5);
  const PropertyValue second = ReadText(Id(), 编辑框5);
  ASSERT_NE(first.text, nullptr);
  ASSERT_NE(second.text, nullptr);
  EXPECT_STREQ(first.text.get(), "0");
  EXPECT_STREQ(second.text.get(), "0");
  EXPECT_NE(first.text, second.text);
}

TEST_F(ToolkitProperties, ChineseTextRoundTripsUnchanged) {
  constexpr char kText[] = "光标闪动频率(ms)，可以从键盘指示灯看出";
  SetControlProperty(Id(), 编辑框2, kTextProperty, kNoElement, {.text = kText});
  const PropertyValue read = ReadText(Id(), 编辑框2);
  ASSERT_NE(read.text, nullptr);
  EXPECT_STREQ(read.text.get(), kText);
}

TEST_F(ToolkitProperties, CheckedStateReadsBackAsOneOrZero) {
  struct Write {
    std::int32_t written;
    std::int32_t read;
  };
  for (const Write write : {Write{2, 1}, Write{0, 0}, Write{-1, 1}, Write{1, 1}}) {
    SCOPED_TRACE(write.written);
    SetControlProperty(Id(), 选择框2, kCheckedProperty, kNoElement, {.integer = write.written});
    EXPECT_EQ(ReadChecked(Id(), 选择框2), write.read);
  }
}

// Writing a checked state runs no handler; a click on the same box does.
TEST_F(ToolkitProperties, WritingCheckedStateRaisesNoClick) {
  const std::size_t box = Position(选择框1);
  for (const std::int32_t state : {1, 1, 0, 0}) {
    SetControlProperty(Id(), 选择框1, kCheckedProperty, kNoElement, {.integer = state});
  }
  PumpPending();
  EXPECT_EQ(CountRaised(Event::Clicked, box), 0u);
  SendMessageW(Control(选择框1), BM_CLICK, 0, 0);
  EXPECT_EQ(CountRaised(Event::Clicked, box), 1u);
}

}  // namespace
}  // namespace wine_tests
