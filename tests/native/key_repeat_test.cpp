#include "keyboard/key_repeat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/win32_constants.h"
#include "shell/control_ids.h"
#include "tests/native/fakes/seam_fakes_test.h"

namespace {

using fakes::Call;
using fakes::TextRead;

struct Setting {
  const char *name;
  void (*on_clicked)();
  shell::ControlId box;
  std::uint32_t set_action;
};

const Setting kSettings[] = {
    {"delay", keyboard::OnSetDelayClicked, shell::编辑框3, platform::SPI_SETKEYBOARDDELAY},
    {"speed", keyboard::OnSetSpeedClicked, shell::编辑框4, platform::SPI_SETKEYBOARDSPEED},
};

constexpr std::uint32_t kUpdateAndBroadcast = 3;

// A set action with the value as its parameter, a pointer to a zero, stored and broadcast.
Call ApplyCall(const Setting &setting, std::uint32_t value) {
  return {"SystemParametersInfoA", {setting.set_action, value, 0, kUpdateAndBroadcast}};
}

const Call kOkBeep{"MessageBeep", {platform::MB_OK}};

// The value each text of the box applies, as the system receives it.
struct Applied {
  std::string text;
  std::uint32_t value;
};

const Applied kAppliedValues[] = {
    {"2", 2},
    {"", 0},
    {"abc", 0},
    {"2.9", 2},
    {"-2.9", 4294967294u},
    {"-1", 4294967295u},
    {"-0.5", 0},
    {"+2", 2},
    {"\t  3", 3},
    {"3abc", 3},
    {"3 4", 3},
    {"3,5", 3},
    {".9", 0},
    {"9.", 9},
    {"1e1", 10},
    {"1E1", 10},
    {"1d1", 10},
    {"1D1", 10},
    {"1e", 1},
    {"1e+", 1},
    {"2e-1", 0},
    {"0x10", 0},
    {"３", 3},
    {"　２", 2},
    {"１．５ｅ１", 15},
    {"－２", 4294967294u},
    {"2.9999999999999999", 3},
    {"4294967297", 1},
    {"2147483648", 2147483648u},
    {"-2147483649", 2147483647},
    {"1e19", 0},
    {"1e400", 0},
    {"-1e400", 0},
    {"7", 7},
    {"40", 40},
};

class KeyRepeatTest : public fakes::SeamFakesTest {};

TEST_F(KeyRepeatTest, ClickAppliesTheIntegerOfItsBoxAndKeepsTheText) {
  for (const Setting &setting : kSettings) {
    for (const Applied &row : kAppliedValues) {
      SCOPED_TRACE(testing::Message() << setting.name << ", text \"" << row.text << '"');
      ResetFakes();
      toolkit.texts[setting.box] = row.text;

      setting.on_clicked();

      EXPECT_EQ(calls,
                (std::vector<Call>{TextRead(setting.box), ApplyCall(setting, row.value), kOkBeep}));
      EXPECT_EQ(toolkit.texts, (std::map<shell::ControlId, std::string>{{setting.box, row.text}}));
    }
  }
}

TEST_F(KeyRepeatTest, BeepTellsWhetherTheSystemTookTheValue) {
  const struct {
    bool applied;
    std::uint32_t beep;
  } cases[] = {{true, platform::MB_OK}, {false, platform::MB_ICONHAND}};
  for (const Setting &setting : kSettings) {
    for (const auto &c : cases) {
      SCOPED_TRACE(testing::Message() << setting.name << ", applied " << c.applied);
      ResetFakes();
      user32.parameter_set_result = c.applied;
      toolkit.texts[setting.box] = "99999";

      setting.on_clicked();

      EXPECT_EQ(calls,
                (std::vector<Call>{
                    TextRead(setting.box), ApplyCall(setting, 99999), {"MessageBeep", {c.beep}}}));
      EXPECT_EQ(toolkit.texts[setting.box], "99999");
    }
  }
}

TEST_F(KeyRepeatTest, EveryClickAppliesAgainAndBeepsAgain) {
  for (const Setting &setting : kSettings) {
    SCOPED_TRACE(setting.name);
    ResetFakes();
    toolkit.texts[setting.box] = "7";

    setting.on_clicked();
    setting.on_clicked();

    const std::vector<Call> one_click{TextRead(setting.box), ApplyCall(setting, 7), kOkBeep};
    std::vector<Call> two_clicks = one_click;
    two_clicks.insert(two_clicks.end(), one_click.begin(), one_click.end());
    EXPECT_EQ(calls, two_clicks);
  }
}

// A mebibyte pasted into the box: read whole, converted without a limit of its own, applied as
// the rules decide and left in the box.
TEST_F(KeyRepeatTest, MebibyteOfTextIsAppliedAndKept) {
  const struct {
    const char *name;
    std::string text;
    std::uint32_t value;
  } cases[] = {
      {"digits", std::string(1 << 20, '9'), 0},  // infinity, which truncates to 0
      {"zeros then 7", std::string((1 << 20) - 1, '0') + "7", 7},
      {"7 then letters", "7" + std::string((1 << 20) - 1, 'x'), 7},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    ResetFakes();
    toolkit.texts[shell::编辑框3] = c.text;

    keyboard::OnSetDelayClicked();

    EXPECT_EQ(calls, (std::vector<Call>{TextRead(shell::编辑框3), ApplyCall(kSettings[0], c.value),
                                        kOkBeep}));
    EXPECT_EQ(toolkit.texts[shell::编辑框3], c.text);
  }
}

}  // namespace
