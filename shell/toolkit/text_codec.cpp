#include "shell/toolkit/text_codec.h"

#include "shell/fatal_error.h"

namespace shell {
namespace {
constexpr UINT kGbk = 936;
}

WideText GbkToWide(const char *gbk) {
  if (gbk == nullptr) gbk = "";
  const int length = MultiByteToWideChar(kGbk, 0, gbk, -1, nullptr, 0);
  if (length <= 0) ReportRuntimeError(kTextNotConvertible, "文本无法从 GBK 转换。");
  WideText wide(static_cast<wchar_t *>(
      keyboard::AllocateBytes(static_cast<std::size_t>(length) * sizeof(wchar_t))));
  MultiByteToWideChar(kGbk, 0, gbk, -1, wide.get(), length);
  return wide;
}

keyboard::Text WideToGbk(const wchar_t *wide, int length) {
  if (length <= 0) return nullptr;
  const int size = WideCharToMultiByte(kGbk, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) ReportRuntimeError(kTextNotConvertible, "文本无法转换为 GBK。");
  keyboard::Text gbk(
      static_cast<char *>(keyboard::AllocateBytes(static_cast<std::size_t>(size) + 1)));
  WideCharToMultiByte(kGbk, 0, wide, length, gbk.get(), size, nullptr, nullptr);
  gbk[size] = '\0';
  return gbk;
}

}  // namespace shell
