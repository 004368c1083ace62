#include "shell/window_description.h"

#include <algorithm>

#include "keyboard/caret.h"
#include "keyboard/key_repeat.h"
#include "keyboard/keyboard_type.h"
#include "keyboard/lock_keys.h"
#include "shell/on_window_created.h"

namespace shell {
namespace {

using keyboard::OnCapsLockBoxClicked;
using keyboard::OnKeyboardTypeClicked;
using keyboard::OnNumLockBoxClicked;
using keyboard::OnScrollLockBoxClicked;
using keyboard::OnSetBlinkTimeClicked;
using keyboard::OnSetDelayClicked;
using keyboard::OnSetSpeedClicked;
using keyboard::OnShowCaretBoxClicked;
using keyboard::RefreshLockBoxes;

constexpr TypingFilter kNone = TypingFilter::None;
constexpr TypingFilter kIntegers = TypingFilter::IntegerCharacters;

// Bound events, one list per record that binds any.
constexpr EventBinding kWindowCreated[] = {{Event::Created, &OnWindowCreated}};
constexpr EventBinding kShowCaretBoxClicked[] = {{Event::Clicked, &OnShowCaretBoxClicked}};
constexpr EventBinding kSetBlinkTimeClicked[] = {{Event::Clicked, &OnSetBlinkTimeClicked}};
constexpr EventBinding kSetSpeedClicked[] = {{Event::Clicked, &OnSetSpeedClicked}};
constexpr EventBinding kSetDelayClicked[] = {{Event::Clicked, &OnSetDelayClicked}};
constexpr EventBinding kRefreshLockBoxes[] = {{Event::Periodic, &RefreshLockBoxes}};
constexpr EventBinding kScrollLockBoxClicked[] = {{Event::Clicked, &OnScrollLockBoxClicked}};
constexpr EventBinding kNumLockBoxClicked[] = {{Event::Clicked, &OnNumLockBoxClicked}};
constexpr EventBinding kCapsLockBoxClicked[] = {{Event::Clicked, &OnCapsLockBoxClicked}};
constexpr EventBinding kKeyboardTypeClicked[] = {{Event::Clicked, &OnKeyboardTypeClicked}};

// What each group box holds, in stored order.
constexpr ControlId kHeldBy分组框4[] = {延时设置1, 编辑框5};
constexpr ControlId kHeldBy分组框3[] = {速度设置, 编辑框4};
constexpr ControlId kHeldBy分组框2[] = {延时设置, 编辑框3};
constexpr ControlId kHeldBy分组框1[] = {时钟1, 选择框3, 选择框2, 选择框1};

// clang-format off
constexpr Record kMainWindow[] = {
  // kind          name         identifier  parent     left  top  width  height  visible  enabled  tab    order  events                 text                              text colour  back colour  filter     interval  holds
  {Kind::Window,   "",          MainWindow, kNoParent, 50,   50,  406,   280,    true,    true,    false, 0,     kWindowCreated,        "Velmora键盘设置",                kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::CheckBox, "选择框4",   选择框4,    kNoParent, 200,  200, 104,   24,     true,    true,    true,  0,     kShowCaretBoxClicked,  "显示光标",                       kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::GroupBox, "分组框4",   分组框4,    kNoParent, 16,   184, 152,   48,     true,    true,    false, 0,     {},                    "光标闪动频率(ms)",               kBlack,      kButtonFace, kNone,     0,        kHeldBy分组框4},
  {Kind::Button,   "延时设置1", 延时设置1,  分组框4,   88,   16,  48,    24,     true,    true,    true,  0,     kSetBlinkTimeClicked,  "设置",                           kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::EditBox,  "编辑框5",   编辑框5,    分组框4,   8,    16,  64,    24,     true,    true,    true,  0,     {},                    nullptr,                          kBlack,      kWhite,      kIntegers, 0,        {}},
  {Kind::GroupBox, "分组框3",   分组框3,    kNoParent, 184,  120, 152,   48,     true,    true,    false, 0,     {},                    "按键速度",                       kBlack,      kButtonFace, kNone,     0,        kHeldBy分组框3},
  {Kind::Button,   "速度设置",  速度设置,   分组框3,   88,   16,  48,    24,     true,    true,    true,  0,     kSetSpeedClicked,      "设置",                           kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::EditBox,  "编辑框4",   编辑框4,    分组框3,   8,    16,  64,    24,     true,    true,    true,  0,     {},                    nullptr,                          kBlack,      kWhite,      kIntegers, 0,        {}},
  {Kind::Button,   "延时设置",  延时设置,   分组框2,   88,   16,  48,    24,     true,    true,    true,  0,     kSetDelayClicked,      "设置",                           kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::EditBox,  "编辑框3",   编辑框3,    分组框2,   8,    16,  64,    24,     true,    true,    true,  0,     {},                    nullptr,                          kBlack,      kWhite,      kIntegers, 0,        {}},
  {Kind::GroupBox, "分组框2",   分组框2,    kNoParent, 16,   120, 152,   48,     true,    true,    false, 0,     {},                    "按键延时",                       kBlack,      kButtonFace, kNone,     0,        kHeldBy分组框2},
  {Kind::Timer,    "时钟1",     时钟1,      分组框1,   280,  0,   32,    24,     false,   true,    false, 0,     kRefreshLockBoxes,     nullptr,                          kBlack,      kButtonFace, kNone,     1000,     {}},
  {Kind::CheckBox, "选择框3",   选择框3,    分组框1,   248,  24,  104,   24,     true,    true,    true,  0,     kScrollLockBoxClicked, "ScrollLock键开",                 kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::CheckBox, "选择框2",   选择框2,    分组框1,   128,  24,  104,   24,     true,    true,    true,  0,     kNumLockBoxClicked,    "Numlock()键开",                  kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::CheckBox, "选择框1",   选择框1,    分组框1,   8,    24,  104,   24,     true,    true,    true,  0,     kCapsLockBoxClicked,   "Capslock键开",                   kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::GroupBox, "分组框1",   分组框1,    kNoParent, 16,   48,  368,   64,     true,    true,    false, 0,     {},                    "单击改变，可以从键盘指示灯看出", kBlack,      kButtonFace, kNone,     0,        kHeldBy分组框1},
  {Kind::EditBox,  "编辑框2",   编辑框2,    kNoParent, 216,  8,   88,    24,     true,    true,    true,  0,     {},                    nullptr,                          kBlack,      kWhite,      kNone,     0,        {}},
  {Kind::Button,   "按钮1",     按钮1,      kNoParent, 312,  8,   80,    24,     true,    true,    true,  0,     kKeyboardTypeClicked,  "取键盘类型",                     kBlack,      kButtonFace, kNone,     0,        {}},
  {Kind::EditBox,  "编辑框1",   编辑框1,    kNoParent, 8,    8,   200,   24,     true,    true,    true,  0,     {},                    nullptr,                          kBlack,      kWhite,      kNone,     0,        {}},
};
// clang-format on

}  // namespace

std::span<const Record> MainWindowDescription() {
  return kMainWindow;
}

const Record *FindRecord(std::span<const Record> description, std::uint32_t identifier) {
  const auto found =
      std::find_if(description.begin(), description.end(),
                   [&](const Record &record) { return record.identifier == identifier; });
  return found != description.end() ? &*found : nullptr;
}

}  // namespace shell
