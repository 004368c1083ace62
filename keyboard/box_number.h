// The shared steps of the buttons that apply the number typed into an edit box.
#pragma once

#include <cstdint>

#include "keyboard/control_access.h"
#include "keyboard/number_text.h"
#include "platform/user32.h"
#include "platform/win32_constants.h"
#include "shell/control_ids.h"

namespace keyboard {

// The integer that the box's text stands for. A box that shows nothing reads as the empty text,
// which like any text without a leading number gives 0.
inline std::int32_t ReadBoxInteger(shell::ControlId box) {
  const Text text = ReadBoxText(box);
  return TruncateToInteger(TextToNumber(text ? text.get() : ""));
}

// The user's only answer to a click on such a button: the default sound when the value was
// applied, the error sound when the system refused it, so a refused value does not pass for an
// applied one.
inline void AcknowledgeApplied(bool applied) {
  platform::MessageBeep(applied ? platform::MB_OK : platform::MB_ICONHAND);
}

}  // namespace keyboard
