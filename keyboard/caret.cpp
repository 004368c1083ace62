#include "keyboard/caret.h"

#include "keyboard/box_number.h"
#include "keyboard/control_access.h"
#include "keyboard/number_text.h"
#include "platform/user32.h"
#include "shell/control_ids.h"

namespace keyboard {

// The milliseconds are taken bit for bit as a signed integer: INFINITE, the value of a caret that
// does not blink, has every bit set and shows as -1.
void ShowCaretBlinkTime(std::int32_t &value) {
  value = static_cast<std::int32_t>(platform::GetCaretBlinkTime());
  WriteBoxText(shell::编辑框5, IntegerToText(value).get());
}

// The box toggled itself before its clicked event, so its state is the one the user asked for.
void OnShowCaretBoxClicked() {
  if (IsBoxChecked(shell::选择框4)) {
    platform::ShowCaret(nullptr);
  } else {
    platform::HideCaret(nullptr);
  }
}

// Applies the box's blink time as the repeat buttons apply theirs, -1 giving INFINITE. The system
// forgets SetCaretBlinkTime when the session ends, so an applied time is also stored in the user
// profile, and counts as applied only once both have succeeded. The box keeps its text.
void OnSetBlinkTimeClicked() {
  const std::int32_t milliseconds = ReadBoxInteger(shell::编辑框5);
  const bool applied = platform::SetCaretBlinkTime(static_cast<std::uint32_t>(milliseconds)) &&
                       platform::StoreCaretBlinkTime(IntegerToText(milliseconds).get());
  AcknowledgeApplied(applied);
}

}  // namespace keyboard
