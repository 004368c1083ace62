// A pasted text far beyond any sensible value neither crashes nor hangs the program.
#include <cstddef>
#include <string>

#include "shell/control_ids.h"
#include "tests/e2e/driver/key_repeat_settings.h"
#include "tests/e2e/program_session.h"

namespace e2e {
namespace {

class E2eBadInput : public ProgramSession {
 protected:
  RestoresKeyRepeatSettings restores_settings_;
};

// More than twice the 30000 characters to which an edit box is limited unless its program lifts
// the limit. Wine's edit control takes time that grows with the square of the text (seconds for
// 64 KiB, many minutes for 1 MiB), so this is as long as a test can afford there.
constexpr std::size_t kLongTextLength = std::size_t{64} * 1024;

// A number far too large for any floating-point value, which the program applies as 0.
std::wstring LongRunOfDigits() {
  std::wstring digits;
  while (digits.size() < kLongTextLength) digits += L"1234567890";
  digits.resize(kLongTextLength);
  return digits;
}

TEST_F(E2eBadInput, OverlongDelayTextIsAppliedAsZeroAndKeptInTheBox) {
  ASSERT_NE(ReadProfileText(kStoredKeyboardDelay), L"0") << "the value to apply is already stored";
  const std::wstring pasted = LongRunOfDigits();
  window_.Paste(shell::编辑框3, pasted);
  window_.Click(shell::延时设置);

  EXPECT_EQ(ReadProfileText(kStoredKeyboardDelay), L"0");
  EXPECT_EQ(window_.TextLength(shell::编辑框3), pasted.size());
  EXPECT_TRUE(window_.Text(shell::编辑框3) == pasted);
  window_.PressEscape();
  EXPECT_EQ(process_.WaitForExit(kGenerousWaitMs), 0u);
}

}  // namespace
}  // namespace e2e
