// The conversions reach the toolkit's fatal error only when memory runs out; in the fuzz target
// that is a finding like any other.
#include <cstdio>
#include <cstdlib>

#include "shell/fatal_error.h"

namespace shell {

void ReportRuntimeError(std::int32_t code, const char *message) {
  std::fprintf(stderr, "run-time error %d: %s\n", static_cast<int>(code), message);
  std::abort();
}

}  // namespace shell
