// What the toolkit keeps between its operations: the descriptions it read, the window it loaded,
// whether events reach their handlers, and the end hook. A loaded window's own state lives in one
// struct owned by that window and freed with it.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <span>

#include "keyboard/allocation.h"
#include "shell/window_description.h"

namespace shell {

struct SolidBrush {
  COLORREF colour;
  HBRUSH brush;
};

struct LoadedWindow {
  WindowId id = 0;
  std::span<const Record> description;
  keyboard::HeapArray<HWND> windows;  // one per record, the window itself first
  HWND remembered_focus = nullptr;
  HICON icon = nullptr;
  std::array<SolidBrush, 4> brushes{};  // made on first use, freed with the window
  std::size_t brush_count = 0;
};

// The brush that paints a record colour: the system's own for the button face, otherwise one
// the window keeps.
HBRUSH BrushFor(LoadedWindow &loaded, std::uint32_t colour);
COLORREF ColourOf(std::uint32_t colour);
// Frees the icon and brushes a destroyed window kept.
void ReleaseWindowResources(LoadedWindow &loaded);

struct StoredDescription {
  WindowId id;
  std::span<const Record> records;
};

struct ToolkitState {
  std::array<StoredDescription, 4> descriptions{};
  std::size_t description_count = 0;
  LoadedWindow *loaded = nullptr;
  bool dispatching = false;
  bool loop_begun = false;
  Handler end_hook = nullptr;
  int quit_code = 0;
};

ToolkitState &Toolkit();

// The loaded window with this identifier, or null.
LoadedWindow *FindLoadedWindow(WindowId id);
// The loaded window a platform window belongs to (itself or one of its controls), or null.
LoadedWindow *LoadedWindowOf(HWND window);
// The position in the description of the record realised as `window`, or the description's size.
std::size_t PositionOf(const LoadedWindow &loaded, HWND window);
// The record realised as `window`, or null.
const Record *RecordOf(const LoadedWindow &loaded, HWND window);

// Calls the handler bound to `event` of the record, unless dispatch is held.
void RaiseEvent(const Record &record, Event event);

}  // namespace shell
