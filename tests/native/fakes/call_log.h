// One ordered log of every call that crosses either seam, shared by the toolkit fake and the
// User32 fake, so that a test can assert how reads, queries and writes interleave.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace fakes {

struct Call {
  std::string function;
  std::vector<std::int64_t> arguments;
  // The text the call carried, if it carried one.
  std::string text = {};

  bool operator==(const Call &) const = default;
};

// GoogleTest prints a call with this when an assertion fails.
inline void PrintTo(const Call &call, std::ostream *out) {
  *out << call.function << '(';
  for (std::size_t i = 0; i < call.arguments.size(); ++i) {
    *out << (i == 0 ? "" : ", ") << call.arguments[i];
  }
  *out << ")";
  if (!call.text.empty()) *out << " \"" << call.text << '"';
}

inline std::vector<Call> &CallLog() {
  static std::vector<Call> log;
  return log;
}

}  // namespace fakes
