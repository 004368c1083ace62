// The caret group: its button applies the blink time of the box beside it and stores it in the
// user profile, so it outlasts the program; the show-caret box toggles on every click.
#include "shell/control_ids.h"
#include "tests/e2e/driver/profile_value.h"
#include "tests/e2e/program_session.h"

namespace e2e {
namespace {

constexpr ProfileValue kStoredBlinkTime{L"Control Panel\\Desktop", L"CursorBlinkRate"};

class E2eCaret : public ProgramSession {
 protected:
  // Windows keeps the applied blink time for the whole session (Wine only per process), so the
  // running value is put back as well as the stored one.
  ~E2eCaret() override { SetCaretBlinkTime(blink_time_); }

  const UINT blink_time_ = GetCaretBlinkTime();
  RestoresProfileValue restores_stored_blink_time_{kStoredBlinkTime};
};

TEST_F(E2eCaret, ButtonStoresTheBlinkTimeOfTheBox) {
  ASSERT_NE(ReadProfileText(kStoredBlinkTime), L"530") << "the value to apply is already stored";
  window_.Paste(shell::编辑框5, L"530");
  window_.Click(shell::延时设置1);
  EXPECT_EQ(ReadProfileText(kStoredBlinkTime), L"530");
  EXPECT_EQ(window_.Text(shell::编辑框5), L"530");
}

TEST_F(E2eCaret, ShowCaretBoxTogglesOnEveryClick) {
  const bool initially = window_.IsChecked(shell::选择框4);
  for (const bool expected : {!initially, initially}) {
    window_.Click(shell::选择框4);
    EXPECT_EQ(window_.IsChecked(shell::选择框4), expected);
  }
}

}  // namespace
}  // namespace e2e
