// A value pasted into the delay or speed box is applied by the button beside it: the system
// stores the number that leads the text, and the box keeps the text as it was pasted.
#include <cstdint>
#include <ostream>
#include <string>

#include "shell/control_ids.h"
#include "tests/e2e/driver/key_repeat_settings.h"
#include "tests/e2e/program_session.h"

namespace e2e {
namespace {

struct Applied {
  const char *name;
  std::uint32_t box;
  std::uint32_t button;
  ProfileValue stored;
  const wchar_t *pasted;
  const wchar_t *expected;
};

void PrintTo(const Applied &row, std::ostream *out) {
  *out << row.name;
}

class E2eKeyRepeat : public ProgramSession, public ::testing::WithParamInterface<Applied> {
 protected:
  RestoresKeyRepeatSettings restores_settings_;
};

TEST_P(E2eKeyRepeat, ButtonAppliesTheLeadingNumberAndTheBoxKeepsTheText) {
  const Applied &row = GetParam();
  ASSERT_NE(ReadProfileText(row.stored), row.expected) << "the value to apply is already stored";
  window_.Paste(row.box, row.pasted);
  window_.Click(row.button);
  EXPECT_EQ(ReadProfileText(row.stored), row.expected);
  EXPECT_EQ(window_.Text(row.box), row.pasted);
}

INSTANTIATE_TEST_SUITE_P(Texts, E2eKeyRepeat,
                         ::testing::Values(Applied{"Delay2", shell::编辑框3, shell::延时设置,
                                                   kStoredKeyboardDelay, L"2", L"2"},
                                           Applied{"Delay3abc", shell::编辑框3, shell::延时设置,
                                                   kStoredKeyboardDelay, L"3abc", L"3"},
                                           Applied{"Speed20", shell::编辑框4, shell::速度设置,
                                                   kStoredKeyboardSpeed, L"20", L"20"}),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
