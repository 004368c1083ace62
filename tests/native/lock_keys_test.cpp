#include "keyboard/lock_keys.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <vector>

#include "platform/win32_constants.h"
#include "shell/control_ids.h"
#include "tests/native/fakes/seam_fakes_test.h"

namespace {

using fakes::Call;
using fakes::CheckedRead;
using fakes::CheckedWrite;

struct LockBox {
  const char *name;
  void (*on_clicked)();
  shell::ControlId box;
  std::uint8_t code;
};

constexpr std::array<LockBox, 3> kLockBoxes{{
    {"Caps Lock", keyboard::OnCapsLockBoxClicked, shell::选择框1, platform::VK_CAPITAL},
    {"Num Lock", keyboard::OnNumLockBoxClicked, shell::选择框2, platform::VK_NUMLOCK},
    {"Scroll Lock", keyboard::OnScrollLockBoxClicked, shell::选择框3, platform::VK_SCROLL},
}};

// Every entry differs from its neighbours, and odd and even entries alternate.
std::array<std::uint8_t, 256> PatternTable() {
  std::array<std::uint8_t, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::uint8_t>(i * 37 + 11);
  return table;
}

class LockKeysTest : public fakes::SeamFakesTest {};

TEST_F(LockKeysTest, NtFamilyClickPressesAndReleasesTheKeyWithoutReadingTheBox) {
  for (const LockBox &row : kLockBoxes) {
    for (const bool checked : {false, true}) {
      SCOPED_TRACE(testing::Message() << row.name << ", box checked " << checked);
      ResetFakes();
      user32.os_family = platform::kNtFamily;
      toolkit.checked[row.box] = checked;
      const std::array<std::uint8_t, 256> table = PatternTable();
      user32.keyboard_state = table;

      row.on_clicked();

      EXPECT_EQ(calls,
                (std::vector<Call>{
                    {"OsFamily", {}},
                    {"keybd_event", {row.code, 0, platform::KEYEVENTF_EXTENDEDKEY, 0}},
                    {"keybd_event",
                     {row.code, 0, platform::KEYEVENTF_EXTENDEDKEY | platform::KEYEVENTF_KEYUP, 0}},
                }));
      EXPECT_EQ(user32.keyboard_state, table);
    }
  }
}

TEST_F(LockKeysTest, OtherFamiliesClickWritesTheBoxStateIntoBitZeroOfTheKey) {
  for (const LockBox &row : kLockBoxes) {
    for (const std::int32_t family : {0, 1, 2, 4}) {
      for (const bool checked : {false, true}) {
        SCOPED_TRACE(testing::Message()
                     << row.name << ", family " << family << ", box checked " << checked);
        ResetFakes();
        user32.os_family = family;
        toolkit.checked[row.box] = checked;
        std::array<std::uint8_t, 256> expected = PatternTable();
        user32.keyboard_state = expected;
        expected[row.code] = static_cast<std::uint8_t>((expected[row.code] & ~1u) | checked);

        row.on_clicked();

        EXPECT_EQ(calls, (std::vector<Call>{
                             {"OsFamily", {}},
                             CheckedRead(row.box),
                             {"GetKeyboardState", {}},
                             {"SetKeyboardState", {}},
                         }));
        EXPECT_EQ(user32.keyboard_state, expected);
        EXPECT_EQ(toolkit.checked[row.box], checked);
      }
    }
  }
}

TEST_F(LockKeysTest, SetLockKeyStateChangesOnlyBitZeroOfItsOwnEntry) {
  struct Case {
    std::int16_t code;
    std::uint8_t entry;
    bool on;
    std::uint8_t expected;
  };
  const Case cases[] = {
      {platform::VK_CAPITAL, 0x80, true, 0x81},
      {platform::VK_CAPITAL, 0x81, false, 0x80},
      {platform::VK_NUMLOCK, 0xFF, true, 0xFF},
      {platform::VK_NUMLOCK, 0xFF, false, 0xFE},
      {platform::VK_SCROLL, 0x00, false, 0x00},
      {platform::VK_SCROLL, 0x00, true, 0x01},
      {0, 0x7E, true, 0x7F},
      {255, 0x01, false, 0x00},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "code " << c.code << ", entry " << int{c.entry} << ", on " << c.on);
    ResetFakes();
    std::array<std::uint8_t, 256> table = PatternTable();
    table[static_cast<std::size_t>(c.code)] = c.entry;
    user32.keyboard_state = table;
    user32.table_before_read.fill(0xAA);
    table[static_cast<std::size_t>(c.code)] = c.expected;

    keyboard::SetLockKeyState(c.code, c.on);

    EXPECT_EQ(user32.keyboard_state, table);
    EXPECT_EQ(user32.table_before_read, (std::array<std::uint8_t, 256>{}));
    EXPECT_EQ(calls, (std::vector<Call>{{"GetKeyboardState", {}}, {"SetKeyboardState", {}}}));
  }
}

TEST_F(LockKeysTest, SetLockKeyStateOutsideTheTableIsFatal) {
  for (const std::int16_t code : std::initializer_list<std::int16_t>{-32768, -1, 256, 32767}) {
    SCOPED_TRACE(testing::Message() << "code " << code);
    ResetFakes();

    EXPECT_THROW(keyboard::SetLockKeyState(code, true), fakes::FatalError);

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].function, "ReportRuntimeError");
  }
}

TEST_F(LockKeysTest, RefreshWritesEveryBoxRightAfterReadingItsKey) {
  // Only bit 0 of a key state counts; the high bit (key down) and the others do not.
  struct Case {
    std::int16_t caps, num, scroll;
    bool caps_on, num_on, scroll_on;
  };
  const Case cases[] = {
      {0, 0, 0, false, false, false},
      {1, 1, 1, true, true, true},
      {-32767, -32768, 2, true, false, false},
      {0x7FFE, 0x0003, -1, false, true, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "key states " << c.caps << ", " << c.num << ", " << c.scroll);
    ResetFakes();
    user32.key_states = {{platform::VK_CAPITAL, c.caps},
                         {platform::VK_NUMLOCK, c.num},
                         {platform::VK_SCROLL, c.scroll}};
    toolkit.checked = {
        {shell::选择框1, !c.caps_on}, {shell::选择框2, !c.num_on}, {shell::选择框3, !c.scroll_on}};
    const std::vector<Call> one_run{
        {"GetKeyState", {platform::VK_CAPITAL}}, CheckedWrite(shell::选择框1, c.caps_on),
        {"GetKeyState", {platform::VK_NUMLOCK}}, CheckedWrite(shell::选择框2, c.num_on),
        {"GetKeyState", {platform::VK_SCROLL}},  CheckedWrite(shell::选择框3, c.scroll_on),
    };

    // The second run finds every box already right and writes all three again.
    keyboard::RefreshLockBoxes();
    keyboard::RefreshLockBoxes();

    std::vector<Call> two_runs = one_run;
    two_runs.insert(two_runs.end(), one_run.begin(), one_run.end());
    EXPECT_EQ(calls, two_runs);
    EXPECT_EQ(toolkit.checked, (std::map<shell::ControlId, bool>{{shell::选择框1, c.caps_on},
                                                                 {shell::选择框2, c.num_on},
                                                                 {shell::选择框3, c.scroll_on}}));
  }
}

}  // namespace
