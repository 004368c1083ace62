// A copy of the main window's description under a window identifier of its own, in which every
// event of every record is bound to a recorder instead of the program's handlers, so that a test
// sees which events the toolkit raises, in which order, and what the window showed at that moment.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "shell/control_ids.h"
#include "shell/window_description.h"
#include "tests/wine/loaded_window.h"

namespace wine_tests {

inline constexpr shell::WindowId kRecordingWindow = 0x52010002;

struct RaisedEvent {
  std::size_t position;  // of the record whose event was raised
  shell::Event event;
  bool box_checked;     // the record's control answered BM_GETCHECK with BST_CHECKED
  bool window_visible;  // the window was visible
};

// Every event raised since the recording window was last loaded, in order.
std::vector<RaisedEvent> &RaisedEvents();

// How many times `event` has been raised for the record at `position`, or for any record.
std::size_t CountRaised(shell::Event event, std::optional<std::size_t> position = std::nullopt);

// The recording window, loaded afresh for each test.
class RecordingWindowTest : public LoadedWindowTest {
 protected:
  void SetUp() override;
};

}  // namespace wine_tests
