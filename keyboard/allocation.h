// Memory for texts and tables, taken from the C heap so that no allocation can throw: a
// shortage ends the program through the toolkit's fatal run-time error instead.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace keyboard {

struct FreeMemory {
  void operator()(void *memory) const noexcept { std::free(memory); }
};

// `size` bytes, never null.
void *AllocateBytes(std::size_t size);

// A fixed number of plain values on the heap, zero-filled, released when it goes.
template <typename T>
class HeapArray {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  HeapArray() = default;
  explicit HeapArray(std::size_t size)
      // T may itself be a pointer type (a window handle): the size is that of one element.
      : values_(static_cast<T *>(
            AllocateBytes(size * sizeof(T)))),  // NOLINT(bugprone-sizeof-expression)
        size_(size) {
    std::fill(begin(), end(), T{});
  }

  std::size_t size() const { return size_; }
  T *data() const { return values_.get(); }
  T &operator[](std::size_t index) const { return values_[index]; }
  T &front() const { return values_[0]; }
  T *begin() const { return values_.get(); }
  T *end() const { return values_.get() + size_; }

 private:
  std::unique_ptr<T[], FreeMemory> values_;
  std::size_t size_ = 0;
};

}  // namespace keyboard
