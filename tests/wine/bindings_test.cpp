// The User32 functions bound by name answer as the same functions called directly, and the
// operating-system family query recognises the NT family that Wine presents.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "platform/bindings.h"
#include "platform/user32.h"

namespace wine_tests {
namespace {

struct Query {
  const char *name;
  std::function<std::int64_t()> bound;
  std::function<std::int64_t()> direct;
};

std::int64_t RepeatSetting(UINT action, bool through_binding) {
  int value = -1;
  if (through_binding) {
    platform::SystemParametersInfoA(action, 0, &value, 0);
  } else {
    ::SystemParametersInfoA(action, 0, &value, 0);
  }
  return value;
}

TEST(ToolkitBindings, BoundFunctionsAnswerAsTheSystem) {
  platform::PrepareBindings();
  const Query queries[] = {
      {"keyboard type", [] { return platform::GetKeyboardType(0); },
       [] { return ::GetKeyboardType(0); }},
      {"function keys", [] { return platform::GetKeyboardType(2); },
       [] { return ::GetKeyboardType(2); }},
      {"caret blink time", [] { return platform::GetCaretBlinkTime(); },
       [] { return ::GetCaretBlinkTime(); }},
      {"repeat delay", [] { return RepeatSetting(SPI_GETKEYBOARDDELAY, true); },
       [] { return RepeatSetting(SPI_GETKEYBOARDDELAY, false); }},
      {"repeat speed", [] { return RepeatSetting(SPI_GETKEYBOARDSPEED, true); },
       [] { return RepeatSetting(SPI_GETKEYBOARDSPEED, false); }},
  };
  for (const Query &query : queries) {
    SCOPED_TRACE(query.name);
    const std::int64_t bound = query.bound();
    EXPECT_GT(bound, 0);  // a value that an unbound or failed call would not give
    EXPECT_EQ(bound, query.direct());
  }
  EXPECT_EQ(platform::OsFamily(), 3);
  platform::ReleaseBindings();
}

}  // namespace
}  // namespace wine_tests
