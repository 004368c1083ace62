// The order in which Tab walks the controls of a window.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "shell/window_description.h"

namespace shell {

// Positions in `description` of the controls that are tab stops and can take the focus now,
// sorted by tab-order value and, among equal values, by descending stored position.
std::vector<std::size_t> TabOrder(std::span<const Record> description,
                                  const std::function<bool(std::size_t)> &can_take_focus);

}  // namespace shell
