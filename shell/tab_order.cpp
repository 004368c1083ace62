#include "shell/tab_order.h"

#include <algorithm>

namespace shell {

std::vector<std::size_t> TabOrder(std::span<const Record> description,
                                  const std::function<bool(std::size_t)> &can_take_focus) {
  std::vector<std::size_t> order;
  for (std::size_t position = 0; position < description.size(); ++position) {
    const Record &record = description[position];
    if (record.kind != Kind::Window && record.tab_stop && can_take_focus(position)) {
      order.push_back(position);
    }
  }
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (description[a].tab_order != description[b].tab_order) {
      return description[a].tab_order < description[b].tab_order;
    }
    return a > b;
  });
  return order;
}

}  // namespace shell
