// The toolkit's fatal run-time error: every failure the program reports at all ends here.
#pragma once

#include <cstdint>

namespace shell {

// What went wrong, shown in the error box as its number.
enum RuntimeError : std::int32_t {
  kOutOfMemory = 1,
  kIndexOutOfRange,
  kBindingFailed,
  kTextNotConvertible,
  kMessageQueueFailed,
  kDescriptionMissing,
  kTooManyDescriptions,
  kWindowNotCreated,
  kWindowNotLoaded,
  kControlWithoutWindow,
  kBadPropertyAccess,
};

// Shows the toolkit's error box (no owner, OK, error icon); once it is dismissed, empties the
// end-hook slot without running it, cleans up and ends the process with exit code -1.
[[noreturn]] void ReportRuntimeError(std::int32_t code, const char *message);

}  // namespace shell
