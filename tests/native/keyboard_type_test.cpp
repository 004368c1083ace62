#include "keyboard/keyboard_type.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/native/fakes/seam_fakes_test.h"

namespace {

using fakes::Call;
using fakes::TextWrite;

struct Shown {
  std::int32_t result;
  std::string text;
};

const Shown kTypeTexts[] = {
    {1, "PC或兼容的83键键盘"},
    {2, "Olivetti102键键盘"},
    {3, "AT或兼容84键键盘"},
    {4, "增强型（IBM）101或102键键盘"},
    {5, "Nokia1050键盘"},
    {6, "Nokia9140键盘"},
    {7, "日文键盘"},
    {0, ""},
    {8, ""},
    {-1, ""},
};

const Shown kFunctionKeyTexts[] = {
    {1, "功能键总数10个"},    {2, "功能键总数12个或18个"}, {3, "功能键总数10个"},
    {4, "功能键总数12个"},    {5, "功能键总数10个"},       {6, "功能键总数24个"},
    {7, "由硬件OEM厂商决定"}, {0, "功能键总数0个"},        {8, "功能键总数8个"},
    {-1, "功能键总数-1个"},   {12, "功能键总数12个"},      {INT32_MIN, "功能键总数-2147483648个"},
};

// Both queries and both writes, the type box written before the function keys are asked for.
std::vector<Call> OneClick(const std::string &type_text, const std::string &keys_text) {
  return {{"GetKeyboardType", {0}},
          TextWrite(shell::编辑框1, type_text),
          {"GetKeyboardType", {2}},
          TextWrite(shell::编辑框2, keys_text)};
}

class KeyboardTypeTest : public fakes::SeamFakesTest {
 protected:
  // Both boxes hold an earlier text, which every click replaces.
  void ClickOnce(std::int32_t type, std::int32_t keys) {
    ResetFakes();
    user32.keyboard_type = type;
    user32.function_keys = keys;
    toolkit.texts = {{shell::编辑框1, "旧的类型"}, {shell::编辑框2, "旧的功能键"}};
    keyboard::OnKeyboardTypeClicked();
  }
};

TEST_F(KeyboardTypeTest, ShowsTheTextOfEveryKeyboardType) {
  for (const Shown &row : kTypeTexts) {
    SCOPED_TRACE(testing::Message() << "type " << row.result);
    ClickOnce(row.result, 4);
    EXPECT_EQ(calls, OneClick(row.text, "功能键总数12个"));
    EXPECT_EQ(toolkit.texts[shell::编辑框1], row.text);
  }
}

TEST_F(KeyboardTypeTest, ShowsTheTextOfEveryFunctionKeyResult) {
  for (const Shown &row : kFunctionKeyTexts) {
    SCOPED_TRACE(testing::Message() << "function keys " << row.result);
    ClickOnce(7, row.result);
    EXPECT_EQ(calls, OneClick("日文键盘", row.text));
    EXPECT_EQ(toolkit.texts[shell::编辑框2], row.text);
  }
}

TEST_F(KeyboardTypeTest, EnhancedKeyboardTextHasFullWidthBrackets) {
  ClickOnce(4, 4);
  EXPECT_EQ(toolkit.texts[shell::编辑框1],
            "\xD4\xF6\xC7\xBF\xD0\xCD\xA3\xA8"
            "IBM\xA3\xA9"
            "101\xBB\xF2"
            "102\xBC\xFC\xBC\xFC\xC5\xCC");
}

TEST_F(KeyboardTypeTest, SecondClickOverwritesBothBoxes) {
  ClickOnce(2, 8);
  keyboard::OnKeyboardTypeClicked();

  std::vector<Call> two_clicks = OneClick("Olivetti102键键盘", "功能键总数8个");
  const std::vector<Call> again = two_clicks;
  two_clicks.insert(two_clicks.end(), again.begin(), again.end());
  EXPECT_EQ(calls, two_clicks);
  EXPECT_EQ(toolkit.texts,
            (std::map<shell::ControlId, std::string>{{shell::编辑框1, "Olivetti102键键盘"},
                                                     {shell::编辑框2, "功能键总数8个"}}));
}

}  // namespace
