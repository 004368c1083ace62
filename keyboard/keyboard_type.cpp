#include "keyboard/keyboard_type.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "keyboard/control_access.h"
#include "keyboard/number_text.h"
#include "keyboard/text.h"
#include "platform/user32.h"
#include "shell/control_ids.h"

namespace keyboard {
namespace {

constexpr std::int32_t kTypeQuery = 0;
constexpr std::int32_t kFunctionKeyQuery = 2;

// The texts for the results 1 to 7 of one query; the results are matched by equality only.
using ResultTexts = std::array<const char *, 7>;

constexpr ResultTexts kKeyboardTypeTexts{
    "PC或兼容的83键键盘", "Olivetti102键键盘", "AT或兼容84键键盘", "增强型（IBM）101或102键键盘",
    "Nokia1050键盘",      "Nokia9140键盘",     "日文键盘",
};

constexpr ResultTexts kFunctionKeyTexts{
    "功能键总数10个", "功能键总数12个或18个", "功能键总数10个",    "功能键总数12个",
    "功能键总数10个", "功能键总数24个",       "由硬件OEM厂商决定",
};

// Null for a result outside 1 to 7.
const char *ResultText(const ResultTexts &texts, std::int32_t result) {
  if (result < 1 || static_cast<std::size_t>(result) > texts.size()) return nullptr;
  // cppcheck-suppress CastIntegerToAddressAtReturn ; it reads the array's pointers as integers
  return texts[static_cast<std::size_t>(result) - 1];
}

// "功能键总数", the count in signed decimal, then "个", as one new text.
Text FunctionKeyCountText(std::int32_t keys) {
  const Text count = IntegerToText(keys);
  return JoinTexts({"功能键总数", count.get(), "个"});
}

}  // namespace

// The type box is written before the function keys are asked for, so each box reflects the
// system's answer at the moment of its own query.
void OnKeyboardTypeClicked() {
  const char *type_text = ResultText(kKeyboardTypeTexts, platform::GetKeyboardType(kTypeQuery));
  WriteBoxText(shell::编辑框1, type_text ? type_text : "");
  const std::int32_t keys = platform::GetKeyboardType(kFunctionKeyQuery);
  if (const char *keys_text = ResultText(kFunctionKeyTexts, keys)) {
    WriteBoxText(shell::编辑框2, keys_text);
    return;
  }
  WriteBoxText(shell::编辑框2, FunctionKeyCountText(keys).get());
}

}  // namespace keyboard
