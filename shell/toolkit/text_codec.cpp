#include "shell/toolkit/text_codec.h"

#include <new>

#include "shell/fatal_error.h"

namespace shell {
namespace {
constexpr UINT kGbk = 936;
}

std::wstring GbkToWide(const char *gbk) {
  if (gbk == nullptr || *gbk == '\0') return {};
  const int length = MultiByteToWideChar(kGbk, 0, gbk, -1, nullptr, 0);
  if (length <= 0) ReportRuntimeError(3, "GBK 文本无法转换。");
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kGbk, 0, gbk, -1, wide.data(), length);
  wide.pop_back();  // the terminating NUL the conversion wrote
  return wide;
}

keyboard::Text WideToGbk(const wchar_t *wide, int length) {
  if (length <= 0) return nullptr;
  const int size = WideCharToMultiByte(kGbk, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) ReportRuntimeError(3, "文本无法转换为 GBK。");
  keyboard::Text gbk(new (std::nothrow) char[static_cast<std::size_t>(size) + 1]);
  if (!gbk) ReportRuntimeError(1, "Out of memory for a text.");
  WideCharToMultiByte(kGbk, 0, wide, length, gbk.get(), size, nullptr, nullptr);
  gbk[size] = '\0';
  return gbk;
}

}  // namespace shell
