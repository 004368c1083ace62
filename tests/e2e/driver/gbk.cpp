#include "tests/e2e/driver/gbk.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {

std::wstring WidenGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  constexpr UINT kGbk = 936;
  const int bytes = static_cast<int>(gbk.size());
  const int length = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), bytes, nullptr, 0);
  if (length <= 0) throw std::runtime_error("text is not GBK");
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), bytes, wide.data(), length);
  return wide;
}

}  // namespace e2e
