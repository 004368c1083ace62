#include "keyboard/allocation.h"

#include "shell/fatal_error.h"

namespace keyboard {

void *AllocateBytes(std::size_t size) {
  void *memory = std::malloc(size != 0 ? size : 1);
  if (memory == nullptr) shell::ReportRuntimeError(shell::kOutOfMemory, "内存不足。");
  return memory;
}

}  // namespace keyboard
