// The order in which Tab walks the controls of a window.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

#include "shell/window_description.h"

namespace shell {

// Puts into `order` (room for one position per record) the positions in `description` of the
// controls that are tab stops and can take the focus now, sorted by tab-order value and, among
// equal values, by descending stored position. Returns how many there are.
template <typename CanTakeFocus>
std::size_t TabOrder(std::span<const Record> description, CanTakeFocus can_take_focus,
                     std::span<std::size_t> order) {
  std::size_t count = 0;
  for (std::size_t position = 0; position < description.size(); ++position) {
    const Record &record = description[position];
    if (record.kind != Kind::Window && record.tab_stop && can_take_focus(position)) {
      order[count++] = position;
    }
  }
  std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count),
            [&](std::size_t a, std::size_t b) {
              if (description[a].tab_order != description[b].tab_order) {
                return description[a].tab_order < description[b].tab_order;
              }
              return a > b;
            });
  return count;
}

}  // namespace shell
