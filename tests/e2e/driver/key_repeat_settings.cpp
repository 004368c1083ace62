#include "tests/e2e/driver/key_repeat_settings.h"

namespace e2e {
namespace {

UINT Read(UINT action) {
  UINT value = 0;
  SystemParametersInfoW(action, 0, &value, 0);
  return value;
}

void Apply(UINT action, UINT value) {
  SystemParametersInfoW(action, value, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace

UINT KeyboardDelay() {
  return Read(SPI_GETKEYBOARDDELAY);
}
UINT KeyboardSpeed() {
  return Read(SPI_GETKEYBOARDSPEED);
}

RestoresKeyRepeatSettings::~RestoresKeyRepeatSettings() {
  Apply(SPI_SETKEYBOARDDELAY, delay_);
  Apply(SPI_SETKEYBOARDSPEED, speed_);
}

}  // namespace e2e
