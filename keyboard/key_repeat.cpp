#include "keyboard/key_repeat.h"

#include "keyboard/box_number.h"
#include "keyboard/control_access.h"
#include "keyboard/number_text.h"
#include "platform/user32.h"
#include "platform/win32_constants.h"
#include "shell/control_ids.h"

namespace keyboard {
namespace {

struct RepeatSetting {
  std::uint32_t get_action;
  std::uint32_t set_action;
  shell::ControlId box;
};

constexpr RepeatSetting kDelay{platform::SPI_GETKEYBOARDDELAY, platform::SPI_SETKEYBOARDDELAY,
                               shell::编辑框3};
constexpr RepeatSetting kSpeed{platform::SPI_GETKEYBOARDSPEED, platform::SPI_SETKEYBOARDSPEED,
                               shell::编辑框4};

// A read that fails stores nothing, so the box then shows what `value` held before.
void ShowSetting(const RepeatSetting &setting, std::int32_t &value) {
  platform::SystemParametersInfoA(setting.get_action, 0, &value, 0);
  WriteBoxText(setting.box, IntegerToText(value).get());
}

// The value is passed unchecked with its bits unchanged (-1 arrives as 4294967295): the system
// alone decides what it accepts, and the beep tells whether it did. The set actions take the
// value as the parameter and ignore the pointer, which is given a zero rather than null all the
// same. The box keeps the text as typed and the setting is not read back.
void ApplySetting(const RepeatSetting &setting) {
  const std::int32_t value = ReadBoxInteger(setting.box);
  std::uint32_t zero = 0;
  const bool applied =
      platform::SystemParametersInfoA(setting.set_action, static_cast<std::uint32_t>(value), &zero,
                                      platform::SPIF_UPDATEINIFILE | platform::SPIF_SENDCHANGE);
  AcknowledgeApplied(applied);
}

}  // namespace

void ShowRepeatDelay(std::int32_t &value) {
  ShowSetting(kDelay, value);
}
void ShowRepeatSpeed(std::int32_t &value) {
  ShowSetting(kSpeed, value);
}

void OnSetDelayClicked() {
  ApplySetting(kDelay);
}
void OnSetSpeedClicked() {
  ApplySetting(kSpeed);
}

}  // namespace keyboard
