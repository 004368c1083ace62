#include "keyboard/text.h"

#include <cstring>
#include <numeric>

namespace keyboard {

Text CopyText(const char *bytes, std::size_t length) {
  Text text(static_cast<char *>(AllocateBytes(length + 1)));
  if (length != 0) std::memcpy(text.get(), bytes, length);
  text[length] = '\0';
  return text;
}

Text JoinTexts(std::initializer_list<std::string_view> parts) {
  const std::size_t length =
      std::accumulate(parts.begin(), parts.end(), std::size_t{0},
                      [](std::size_t sum, std::string_view part) { return sum + part.size(); });
  Text joined(static_cast<char *>(AllocateBytes(length + 1)));
  char *end = joined.get();
  for (const std::string_view part : parts) {
    if (!part.empty()) std::memcpy(end, part.data(), part.size());
    end += part.size();
  }
  *end = '\0';
  return joined;
}

}  // namespace keyboard
