// Texts are NUL-terminated GBK byte strings. A text read from a control or made by a conversion
// is a new copy owned by whoever received it; the owner releases it by letting it go.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string_view>

#include "keyboard/allocation.h"

namespace keyboard {

using Text = std::unique_ptr<char[], FreeMemory>;

// A new text holding `length` bytes of `bytes` and a terminating NUL. A memory shortage ends the
// program through the toolkit's fatal run-time error.
Text CopyText(const char *bytes, std::size_t length);

// One new text: the parts copied one after another.
Text JoinTexts(std::initializer_list<std::string_view> parts);

}  // namespace keyboard
