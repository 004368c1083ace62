#include "keyboard/text.h"

#include <cstring>
#include <new>

#include "shell/fatal_error.h"

namespace keyboard {

Text CopyText(const char *bytes, std::size_t length) {
  Text text(new (std::nothrow) char[length + 1]);
  if (!text) shell::ReportRuntimeError(1, "Out of memory for a text.");
  if (length != 0) std::memcpy(text.get(), bytes, length);
  text[length] = '\0';
  return text;
}

}  // namespace keyboard
