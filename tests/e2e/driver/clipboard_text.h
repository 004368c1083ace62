// A text on the clipboard, as a user's copy leaves it: Unicode text owned by a window of this
// process. The window, and with it the ownership, ends with the object; the text stays where the
// system keeps clipboard data.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <type_traits>

namespace e2e {

class ClipboardText {
 public:
  explicit ClipboardText(std::wstring_view text);

 private:
  std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> owner_;
};

}  // namespace e2e
