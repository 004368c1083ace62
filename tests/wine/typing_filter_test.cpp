// What typing, writing and pasting leave in the edit boxes: the integer boxes drop every typed
// character but the minus sign, the digits and the control characters; nothing else is filtered.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/control_ids.h"
#include "shell/properties.h"
#include "tests/e2e/driver/clipboard_text.h"
#include "tests/wine/recording_window.h"

namespace wine_tests {
namespace {

using namespace shell;  // the controls' own names

using ToolkitTyping = RecordingWindowTest;

struct Typing {
  ControlId box;
  const wchar_t *typed;
  const char *shown;  // GBK
};

constexpr Typing kTypings[] = {
    {编辑框3, L"12a.3", "123"}, {编辑框3, L"--5", "--5"},   {编辑框3, L"12\b3", "13"},
    {编辑框4, L" +7x中", "7"},  {编辑框5, L"-5\b\b9", "9"}, {编辑框1, L"Ab.c 1-中", "Ab.c 1-中"},
    {编辑框2, L"x+y", "x+y"},
};

// The text of the box as the program reads it; empty when it yields null.
std::string ShownText(WindowId window, ControlId box) {
  const PropertyValue value = GetControlProperty(window, box, kTextProperty, kNoElement);
  return value.text ? value.text.get() : "";
}

TEST_F(ToolkitTyping, TypedCharactersPassTheBoxFilter) {
  for (const Typing &typing : kTypings) {
    SCOPED_TRACE(typing.typed);
    SetControlProperty(Id(), typing.box, kTextProperty, kNoElement, {.text = nullptr});
    TypeCharacters(Control(typing.box), typing.typed);
    EXPECT_EQ(ShownText(Id(), typing.box), typing.shown);
  }
}

TEST_F(ToolkitTyping, WrittenTextGoesInUnchanged) {
  SetControlProperty(Id(), 编辑框3, kTextProperty, kNoElement, {.text = "abc"});
  EXPECT_EQ(ShownText(Id(), 编辑框3), "abc");
}

// Ctrl+V arrives as the control character 0x16, which passes the filter; what it pastes is not
// typed and goes in unchanged.
TEST_F(ToolkitTyping, PastedTextGoesInUnchanged) {
  [[maybe_unused]] const e2e::ClipboardText copied(L"abc");
  SetControlProperty(Id(), 编辑框3, kTextProperty, kNoElement, {.text = nullptr});
  TypeCharacters(Control(编辑框3), L"\x16");
  EXPECT_EQ(ShownText(Id(), 编辑框3), "abc");

  OpenClipboard(Window());
  EmptyClipboard();
  CloseClipboard();
}

}  // namespace
}  // namespace wine_tests
