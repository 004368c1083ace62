#include "tests/wine/recording_window.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "shell/toolkit/toolkit_state.h"

namespace wine_tests {
namespace {

using shell::Event;
using shell::EventBinding;

// Room for the records of the main window's description.
constexpr std::size_t kMaxRecords = 24;

template <std::size_t Position, Event Raised>
void RecordRaised() {
  const shell::LoadedWindow *loaded = shell::FindLoadedWindow(kRecordingWindow);
  const HWND control = loaded->windows[Position];
  RaisedEvents().push_back({Position, Raised,
                            SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED,
                            IsWindowVisible(loaded->windows.front()) != FALSE});
}

template <std::size_t Position>
constexpr EventBinding kRecorders[] = {
    {Event::Created, &RecordRaised<Position, Event::Created>},
    {Event::Clicked, &RecordRaised<Position, Event::Clicked>},
    {Event::Periodic, &RecordRaised<Position, Event::Periodic>},
};

template <std::size_t... Positions>
constexpr std::array<std::span<const EventBinding>, sizeof...(Positions)> RecordersFor(
    std::index_sequence<Positions...>) {
  return {std::span<const EventBinding>(kRecorders<Positions>)...};
}

constexpr auto kRecordersByPosition = RecordersFor(std::make_index_sequence<kMaxRecords>{});

std::span<const shell::Record> RecordingDescription() {
  static const std::vector<shell::Record> records = [] {
    const std::span<const shell::Record> main = shell::MainWindowDescription();
    std::vector<shell::Record> copy(main.begin(), main.end());
    for (std::size_t i = 0; i < copy.size(); ++i) copy[i].events = kRecordersByPosition.at(i);
    return copy;
  }();
  return records;
}

}  // namespace

std::vector<RaisedEvent> &RaisedEvents() {
  static std::vector<RaisedEvent> raised;
  return raised;
}

std::size_t CountRaised(Event event, std::optional<std::size_t> position) {
  return static_cast<std::size_t>(
      std::count_if(RaisedEvents().begin(), RaisedEvents().end(), [&](const RaisedEvent &raised) {
        return raised.event == event && (!position || raised.position == *position);
      }));
}

void RecordingWindowTest::SetUp() {
  RaisedEvents().clear();
  Load(kRecordingWindow, RecordingDescription());
}

}  // namespace wine_tests
