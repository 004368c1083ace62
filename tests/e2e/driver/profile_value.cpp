#include "tests/e2e/driver/profile_value.h"

#include <windows.h>

namespace e2e {

std::optional<std::wstring> ReadProfileText(const ProfileValue &value) {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, value.key, value.name, RRF_RT_REG_SZ, nullptr, nullptr,
                   &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(bytes / sizeof(wchar_t), L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, value.key, value.name, RRF_RT_REG_SZ, nullptr, text.data(),
                   &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(bytes / sizeof(wchar_t) - 1);
  return text;
}

RestoresProfileValue::RestoresProfileValue(const ProfileValue &value)
    : value_(value), saved_(ReadProfileText(value)) {}

RestoresProfileValue::~RestoresProfileValue() {
  if (!saved_) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, value_.key, value_.name);
    return;
  }
  const auto bytes = static_cast<DWORD>((saved_->size() + 1) * sizeof(wchar_t));
  RegSetKeyValueW(HKEY_CURRENT_USER, value_.key, value_.name, REG_SZ, saved_->c_str(), bytes);
}

}  // namespace e2e
