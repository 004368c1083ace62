// Text values of the user profile (HKEY_CURRENT_USER), where the system stores the keyboard and
// caret settings that outlast a program.
#pragma once

#include <optional>
#include <string>

namespace e2e {

struct ProfileValue {
  const wchar_t *key;
  const wchar_t *name;
};

// Nothing if the value is absent.
std::optional<std::wstring> ReadProfileText(const ProfileValue &value);

// Puts a profile value back as it was when the guard was made, absent included.
class RestoresProfileValue {
 public:
  explicit RestoresProfileValue(const ProfileValue &value);
  ~RestoresProfileValue();
  RestoresProfileValue(const RestoresProfileValue &) = delete;
  RestoresProfileValue &operator=(const RestoresProfileValue &) = delete;

 private:
  ProfileValue value_;
  std::optional<std::wstring> saved_;
};

}  // namespace e2e
