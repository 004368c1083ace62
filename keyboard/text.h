// Texts are NUL-terminated GBK byte strings. A text read from a control or made by a conversion
// is a new copy owned by whoever received it; the owner releases it by letting it go.
#pragma once

#include <cstddef>
#include <memory>

namespace keyboard {

using Text = std::unique_ptr<char[]>;

// A new text holding `length` bytes of `bytes` and a terminating NUL. A memory shortage ends the
// program through the toolkit's fatal run-time error.
Text CopyText(const char *bytes, std::size_t length);

}  // namespace keyboard
