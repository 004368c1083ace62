// The blink-time button of the main window with the program's own handler: the time typed into
// its box becomes this process's caret blink time and is kept in the user profile. Only the test
// session's private prefix is touched, and both are put back afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/control_ids.h"
#include "shell/properties.h"
#include "tests/wine/loaded_window.h"

namespace wine_tests {
namespace {

using namespace shell;  // the controls' own names

using ToolkitCaret = MainWindowTest;

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kBlinkRateValue[] = "CursorBlinkRate";

std::optional<std::string> StoredBlinkRate() {
  char text[64] = {};
  DWORD size = sizeof text;
  if (RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kBlinkRateValue, RRF_RT_REG_SZ, nullptr, text,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(text);
}

// Puts the live blink time and the stored one back as the test found them.
class BlinkTimeRestorer {
 public:
  BlinkTimeRestorer() : live_(GetCaretBlinkTime()), stored_(StoredBlinkRate()) {}
  ~BlinkTimeRestorer() {
    SetCaretBlinkTime(live_);
    if (stored_) {
      RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kBlinkRateValue, REG_SZ, stored_->c_str(),
                      static_cast<DWORD>(stored_->size() + 1));
    } else {
      RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kBlinkRateValue);
    }
  }
  BlinkTimeRestorer(const BlinkTimeRestorer &) = delete;
  BlinkTimeRestorer &operator=(const BlinkTimeRestorer &) = delete;

 private:
  const UINT live_;
  const std::optional<std::string> stored_;
};

TEST_F(ToolkitCaret, BoxShowsBlinkTimeWhenWindowOpens) {
  const PropertyValue shown = GetControlProperty(MainWindow, 编辑框5, kTextProperty, kNoElement);
  ASSERT_NE(shown.text, nullptr);
  EXPECT_EQ(shown.text.get(), std::to_string(static_cast<int>(GetCaretBlinkTime())));
}

TEST_F(ToolkitCaret, SetButtonAppliesAndStoresTypedBlinkTime) {
  const BlinkTimeRestorer restorer;
  ASSERT_NE(GetCaretBlinkTime(), 530u);
  SetControlProperty(MainWindow, 编辑框5, kTextProperty, kNoElement, {.text = "530"});
  SendMessageW(Control(延时设置1), BM_CLICK, 0, 0);
  EXPECT_EQ(GetCaretBlinkTime(), 530u);
  EXPECT_EQ(StoredBlinkRate(), "530");
}

}  // namespace
}  // namespace wine_tests
