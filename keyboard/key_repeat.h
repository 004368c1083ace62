// The key-repeat delay and speed: shown when the window is created, applied from their boxes.
#pragma once

#include <cstdint>

namespace keyboard {

// Steps of the window's created handler. `value` is the handler's one integer, shared by its
// steps: a read that fails leaves it as it was.
void ShowRepeatDelay(std::int32_t &value);
void ShowRepeatSpeed(std::int32_t &value);

void OnSetDelayClicked();
void OnSetSpeedClicked();

}  // namespace keyboard
