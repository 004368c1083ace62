// The keyboard-type button reports what the system says of the keyboard: Wine reports an enhanced
// 101/102-key keyboard (type 4) with 12 function keys.
#include "shell/control_ids.h"
#include "tests/e2e/driver/gbk.h"
#include "tests/e2e/program_session.h"

namespace e2e {
namespace {

using E2eKeyboardType = ProgramSession;

TEST_F(E2eKeyboardType, EveryClickOverwritesBothBoxesWithTheSameTexts) {
  ASSERT_EQ(GetKeyboardType(0), 4);
  ASSERT_EQ(GetKeyboardType(2), 12);
  for (int click = 1; click <= 2; ++click) {
    SCOPED_TRACE(click);
    window_.Paste(shell::编辑框1, L"typed");
    window_.Paste(shell::编辑框2, L"typed");
    window_.Click(shell::按钮1);
    EXPECT_EQ(window_.Text(shell::编辑框1), WidenGbk("增强型（IBM）101或102键键盘"));
    EXPECT_EQ(window_.Text(shell::编辑框2), WidenGbk("功能键总数12个"));
  }
}

}  // namespace
}  // namespace e2e
