// The stored description of the main window: one record for the window and one per control, read
// by one generic builder. The description is data and never changes at run time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "shell/control_ids.h"

namespace shell {

enum class Kind { Window, EditBox, GroupBox, Button, CheckBox, Timer };
enum class Event { Created, Clicked, Periodic };
enum class TypingFilter { None, IntegerCharacters };

using Handler = void (*)();

struct EventBinding {
  Event event;
  Handler handler;
};

// 0xFF000000 stands for the system's button-face colour.
inline constexpr std::uint32_t kButtonFace = 0xFF000000;
inline constexpr std::uint32_t kBlack = 0x00000000;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;
inline constexpr ControlId kNoParent = 0;

struct Record {
  Kind kind;
  const char *name;  // GBK; never shown
  std::uint32_t identifier;
  ControlId parent;  // kNoParent: the client area of the window
  std::int32_t left, top, width, height;
  bool visible, enabled, tab_stop;
  std::int32_t tab_order;
  std::span<const EventBinding> events;
  // Kind settings.
  const char *text;  // GBK: the title, a caption, or the initial text; null for none
  std::uint32_t text_colour, back_colour;
  TypingFilter filter;               // EditBox
  std::int32_t interval_ms;          // Timer
  std::span<const ControlId> holds;  // GroupBox: the controls it holds, in stored order
};

// The window record first, then the controls in their stored order.
std::span<const Record> MainWindowDescription();

// The record of `identifier` in the description, or null.
const Record *FindRecord(std::span<const Record> description, std::uint32_t identifier);

// The stored position of a record of the description.
inline std::size_t PositionOf(std::span<const Record> description, const Record &record) {
  return static_cast<std::size_t>(&record - description.data());
}

}  // namespace shell
