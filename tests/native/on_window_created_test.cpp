#include "shell/on_window_created.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32_constants.h"
#include "shell/control_ids.h"
#include "tests/native/fakes/seam_fakes_test.h"

namespace {

using fakes::Call;
using fakes::CheckedWrite;
using fakes::TextWrite;

class OnWindowCreatedTest : public fakes::SeamFakesTest {};

// A read of a repeat setting: the shared integer as the system finds it, nothing else passed.
Call RepeatRead(std::uint32_t action, std::int64_t shared_integer) {
  return {"SystemParametersInfoA", {action, 0, shared_integer, 0}};
}

TEST_F(OnWindowCreatedTest, FillsTheLockBoxesTheRepeatSettingsAndTheBlinkTimeInTurn) {
  user32.key_states = {{platform::VK_CAPITAL, 1}, {platform::VK_SCROLL, 1}};
  user32.repeat_delay = 1;
  user32.repeat_speed = 31;
  user32.caret_blink_time = 530;

  shell::OnWindowCreated();

  EXPECT_EQ(calls, (std::vector<Call>{
                       {"GetKeyState", {platform::VK_CAPITAL}},
                       CheckedWrite(shell::选择框1, true),
                       {"GetKeyState", {platform::VK_NUMLOCK}},
                       CheckedWrite(shell::选择框2, false),
                       {"GetKeyState", {platform::VK_SCROLL}},
                       CheckedWrite(shell::选择框3, true),
                       RepeatRead(platform::SPI_GETKEYBOARDDELAY, 0),
                       TextWrite(shell::编辑框3, "1"),
                       RepeatRead(platform::SPI_GETKEYBOARDSPEED, 1),
                       TextWrite(shell::编辑框4, "31"),
                       {"GetCaretBlinkTime", {}},
                       TextWrite(shell::编辑框5, "530"),
                   }));
}

TEST_F(OnWindowCreatedTest, FailedReadShowsWhatTheSharedIntegerHeld) {
  const struct {
    std::optional<std::uint32_t> delay, speed;
    std::string delay_text, speed_text;
  } cases[] = {
      {std::nullopt, 31, "0", "31"},
      {2, std::nullopt, "2", "2"},
      {std::nullopt, std::nullopt, "0", "0"},
      {3, 0, "3", "0"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "delay " << c.delay.value_or(0xFFFF) << ", speed "
                                    << c.speed.value_or(0xFFFF) << " (65535: read fails)");
    ResetFakes();
    user32.repeat_delay = c.delay;
    user32.repeat_speed = c.speed;
    user32.caret_blink_time = 500;

    shell::OnWindowCreated();

    EXPECT_EQ(toolkit.texts[shell::编辑框3], c.delay_text);
    EXPECT_EQ(toolkit.texts[shell::编辑框4], c.speed_text);
    EXPECT_EQ(toolkit.texts[shell::编辑框5], "500");
  }
}

}  // namespace
