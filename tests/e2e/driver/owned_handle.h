// A kernel handle that closes itself.
#pragma once

#include <windows.h>

#include <memory>

namespace e2e {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

}  // namespace e2e
