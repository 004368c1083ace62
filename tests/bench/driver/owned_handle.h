// A kernel handle that closes itself.
#pragma once

#include <windows.h>

#include <memory>

namespace bench {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

}  // namespace bench
