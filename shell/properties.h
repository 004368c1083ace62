// The two property operations through which handlers read and change the window. The Windows
// build links the toolkit's implementation; the native tests link a recording fake instead.
#pragma once

#include <cstdint>

#include "keyboard/text.h"
#include "shell/control_ids.h"

namespace shell {

inline constexpr std::int32_t kTextProperty = 8;      // EditBox: its text
inline constexpr std::int32_t kCheckedProperty = 18;  // CheckBox: 1 checked, 0 unchecked
inline constexpr std::int32_t kNoElement = -1;

// What GetControlProperty returns: for the text property a new copy owned by the caller (null for
// a box that shows nothing); for the checked state the integer.
struct PropertyValue {
  keyboard::Text text;
  std::int32_t integer = 0;
};

// What SetControlProperty takes: a text the control copies (null counts as empty), or the
// checked state (any non-zero value checks the box).
struct PropertyInput {
  const char *text = nullptr;
  std::int32_t integer = 0;
};

PropertyValue GetControlProperty(WindowId window, ControlId control, std::int32_t property,
                                 std::int32_t element);
void SetControlProperty(WindowId window, ControlId control, std::int32_t property,
                        std::int32_t element, const PropertyInput &value);

}  // namespace shell
