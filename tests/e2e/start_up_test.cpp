// What the window shows when it first appears (the fixture finds it by its class and title, and
// only once it is shown): the values that the system reports to any program, exactly as it
// reports them.
#include <windows.h>

#include <cstdint>
#include <string>

#include "shell/control_ids.h"
#include "tests/e2e/driver/key_repeat_settings.h"
#include "tests/e2e/program_session.h"

namespace e2e {
namespace {

using E2eStartUp = ProgramSession;

TEST_F(E2eStartUp, BoxesShowTheSystemsKeyboardValues) {
  const struct {
    std::uint32_t box;
    UINT value;
  } shown[] = {
      {shell::编辑框3, KeyboardDelay()},
      {shell::编辑框4, KeyboardSpeed()},
      {shell::编辑框5, GetCaretBlinkTime()},
  };
  for (const auto &row : shown) {
    SCOPED_TRACE(row.box);
    // The program shows the 32 bits as a signed number.
    EXPECT_EQ(window_.Text(row.box), std::to_wstring(static_cast<std::int32_t>(row.value)));
  }
}

}  // namespace
}  // namespace e2e
