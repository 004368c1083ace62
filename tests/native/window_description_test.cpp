// The stored description: the Tab order it yields, and the group boxes agreeing with the parents
// of the controls they hold.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <vector>

#include "shell/control_ids.h"
#include "shell/tab_order.h"
#include "shell/window_description.h"

namespace {

using namespace shell;

std::vector<ControlId> TabOrderOf(std::span<const Record> description,
                                  ControlId unavailable = kNoParent) {
  std::array<std::size_t, 32> order{};
  const std::size_t count = TabOrder(
      description,
      [&](std::size_t position) { return description[position].identifier != unavailable; }, order);
  std::vector<ControlId> identifiers;
  for (std::size_t i = 0; i < count; ++i) identifiers.push_back(description[order[i]].identifier);
  return identifiers;
}

TEST(WindowDescription, TabOrderRunsByDescendingStoredPosition) {
  const std::vector<ControlId> expected = {编辑框1, 按钮1,     编辑框2,  选择框1, 选择框2,
                                           选择框3, 编辑框3,   延时设置, 编辑框4, 速度设置,
                                           编辑框5, 延时设置1, 选择框4};
  EXPECT_EQ(TabOrderOf(MainWindowDescription()), expected);
}

TEST(WindowDescription, TabOrderSkipsControlsThatCannotTakeTheFocus) {
  const std::vector<ControlId> order = TabOrderOf(MainWindowDescription(), 编辑框2);
  ASSERT_EQ(order.size(), 12u);
  EXPECT_EQ(order[1], 按钮1);
  EXPECT_EQ(order[2], 选择框1);
}

TEST(WindowDescription, TabOrderPutsLowerTabOrderValuesFirst) {
  std::vector<Record> description(MainWindowDescription().begin(), MainWindowDescription().end());
  for (Record &record : description) {
    if (record.identifier == 选择框4) record.tab_order = -1;
  }
  EXPECT_EQ(TabOrderOf(description).front(), 选择框4);
}

TEST(WindowDescription, GroupBoxesHoldExactlyTheControlsThatNameThemAsParent) {
  const std::span<const Record> description = MainWindowDescription();
  ASSERT_EQ(description.size(), 19u);
  EXPECT_EQ(description.front().kind, Kind::Window);
  for (const Record &group : description) {
    if (group.kind != Kind::GroupBox) continue;
    SCOPED_TRACE(group.identifier);
    std::vector<ControlId> named_as_parent;
    for (const Record &record : description) {
      if (record.parent == group.identifier) named_as_parent.push_back(record.identifier);
    }
    EXPECT_EQ(std::vector<ControlId>(group.holds.begin(), group.holds.end()), named_as_parent);
  }
}

}  // namespace
