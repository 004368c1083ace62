#include "keyboard/caret.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32_constants.h"
#include "shell/control_ids.h"
#include "tests/native/fakes/seam_fakes_test.h"

namespace {

using fakes::Call;
using fakes::CheckedRead;
using fakes::TextRead;
using fakes::TextWrite;

class CaretTest : public fakes::SeamFakesTest {};

TEST_F(CaretTest, ShowsTheBlinkTimeAsASignedInteger) {
  const struct {
    std::uint32_t blink_time;
    std::int32_t value;
    std::string text;
  } cases[] = {
      {530, 530, "530"},
      {platform::INFINITE, -1, "-1"},
      {0, 0, "0"},
      {0x80000000u, INT32_MIN, "-2147483648"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "blink time " << c.blink_time);
    ResetFakes();
    user32.caret_blink_time = c.blink_time;
    std::int32_t value = 77;

    keyboard::ShowCaretBlinkTime(value);

    EXPECT_EQ(value, c.value);
    EXPECT_EQ(calls,
              (std::vector<Call>{{"GetCaretBlinkTime", {}}, TextWrite(shell::编辑框5, c.text)}));
  }
}

TEST_F(CaretTest, EveryClickShowsOrHidesTheCaretOnceByTheBoxState) {
  for (const bool starts_checked : {false, true}) {
    SCOPED_TRACE(testing::Message() << "box starts checked " << starts_checked);
    ResetFakes();
    toolkit.checked[shell::选择框4] = starts_checked;
    std::vector<Call> expected;

    for (int click = 0; click < 4; ++click) {
      // The box toggles itself before its clicked event, as an automatic check box does.
      const bool checked = !toolkit.checked[shell::选择框4];
      toolkit.checked[shell::选择框4] = checked;
      keyboard::OnShowCaretBoxClicked();
      expected.push_back(CheckedRead(shell::选择框4));
      expected.push_back({checked ? "ShowCaret" : "HideCaret", {0}});
    }

    EXPECT_EQ(calls, expected);
  }
}

TEST_F(CaretTest, SetButtonAppliesAndStoresTheBoxValue) {
  const struct {
    std::string text;
    bool set_result;
    bool store_result;
    std::vector<Call> applying;
  } cases[] = {
      {"530",
       true,
       true,
       {{"SetCaretBlinkTime", {530}},
        {"StoreCaretBlinkTime", {}, "530"},
        {"MessageBeep", {platform::MB_OK}}}},
      {" 0250.7",
       true,
       true,
       {{"SetCaretBlinkTime", {250}},
        {"StoreCaretBlinkTime", {}, "250"},
        {"MessageBeep", {platform::MB_OK}}}},
      {"-1",
       true,
       true,
       {{"SetCaretBlinkTime", {platform::INFINITE}},
        {"StoreCaretBlinkTime", {}, "-1"},
        {"MessageBeep", {platform::MB_OK}}}},
      {"",
       true,
       true,
       {{"SetCaretBlinkTime", {0}},
        {"StoreCaretBlinkTime", {}, "0"},
        {"MessageBeep", {platform::MB_OK}}}},
      {"530",
       false,
       true,
       {{"SetCaretBlinkTime", {530}}, {"MessageBeep", {platform::MB_ICONHAND}}}},
      {"530",
       true,
       false,
       {{"SetCaretBlinkTime", {530}},
        {"StoreCaretBlinkTime", {}, "530"},
        {"MessageBeep", {platform::MB_ICONHAND}}}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\", set " << c.set_result
                                    << ", store " << c.store_result);
    ResetFakes();
    user32.set_caret_blink_time_result = c.set_result;
    user32.store_caret_blink_time_result = c.store_result;
    toolkit.texts[shell::编辑框5] = c.text;

    keyboard::OnSetBlinkTimeClicked();

    std::vector<Call> expected{TextRead(shell::编辑框5)};
    expected.insert(expected.end(), c.applying.begin(), c.applying.end());
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(toolkit.texts[shell::编辑框5], c.text);
  }
}

}  // namespace
