// A click on a lock-key box switches its key, and the box follows the key once a second.
#include <cstdint>
#include <ostream>
#include <string>

#include "shell/control_ids.h"
#include "tests/e2e/program_session.h"

namespace e2e {
namespace {

struct LockKeyBox {
  const char *key;
  std::uint32_t box;
};

void PrintTo(const LockKeyBox &row, std::ostream *out) {
  *out << row.key;
}

class E2eLockKeys : public ProgramSession, public ::testing::WithParamInterface<LockKeyBox> {
 protected:
  // Clicks the box, then writes the box back to what it showed before the click. Only the
  // periodic refresh from the key's real state can then make the box show the new state, so
  // seeing it proves both that the key switched and that the box follows the key.
  bool SwitchKeyAndSeeItInTheBox(std::uint32_t box) {
    const bool before = window_.IsChecked(box);
    window_.Click(box);
    window_.SetCheck(box, before);
    return WaitUntil([&] { return window_.IsChecked(box) != before; });
  }
};

TEST_P(E2eLockKeys, ClickSwitchesTheKeyAndTheBoxFollows) {
  const std::uint32_t box = GetParam().box;
  ASSERT_TRUE(SwitchKeyAndSeeItInTheBox(box));
  // Switching back restores the key for whatever runs next in this session.
  EXPECT_TRUE(SwitchKeyAndSeeItInTheBox(box));
}

INSTANTIATE_TEST_SUITE_P(Boxes, E2eLockKeys,
                         ::testing::Values(LockKeyBox{"CapsLock", shell::选择框1},
                                           LockKeyBox{"NumLock", shell::选择框2},
                                           LockKeyBox{"ScrollLock", shell::选择框3}),
                         [](const auto &info) { return std::string(info.param.key); });

}  // namespace
}  // namespace e2e
