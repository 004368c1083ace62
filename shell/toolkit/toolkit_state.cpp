#include "shell/toolkit/toolkit_state.h"

#include <algorithm>

namespace shell {

ToolkitState &Toolkit() {
  static ToolkitState state;
  return state;
}

LoadedWindow *FindLoadedWindow(WindowId id) {
  LoadedWindow *loaded = Toolkit().loaded;
  return loaded != nullptr && loaded->id == id ? loaded : nullptr;
}

LoadedWindow *LoadedWindowOf(HWND window) {
  LoadedWindow *loaded = Toolkit().loaded;
  if (loaded == nullptr || window == nullptr) return nullptr;
  const HWND top = loaded->windows.front();
  return window == top || IsChild(top, window) ? loaded : nullptr;
}

std::size_t PositionOf(const LoadedWindow &loaded, HWND window) {
  const auto found = std::find(loaded.windows.begin(), loaded.windows.end(), window);
  return static_cast<std::size_t>(found - loaded.windows.begin());
}

const Record *RecordOf(const LoadedWindow &loaded, HWND window) {
  const std::size_t position = PositionOf(loaded, window);
  return position < loaded.description.size() ? &loaded.description[position] : nullptr;
}

COLORREF ColourOf(std::uint32_t colour) {
  return colour == kButtonFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

HBRUSH BrushFor(LoadedWindow &loaded, std::uint32_t colour) {
  if (colour == kButtonFace) return GetSysColorBrush(COLOR_BTNFACE);
  const auto wanted = static_cast<COLORREF>(colour);
  for (std::size_t i = 0; i < loaded.brush_count; ++i) {
    if (loaded.brushes[i].colour == wanted) return loaded.brushes[i].brush;
  }
  // A window has only a few colours; past the room kept, the system's brush serves.
  if (loaded.brush_count == loaded.brushes.size()) return GetSysColorBrush(COLOR_WINDOW);
  const HBRUSH brush = CreateSolidBrush(wanted);
  if (brush != nullptr) loaded.brushes[loaded.brush_count++] = {wanted, brush};
  return brush;
}

void ReleaseWindowResources(LoadedWindow &loaded) {
  for (std::size_t i = 0; i < loaded.brush_count; ++i) DeleteObject(loaded.brushes[i].brush);
  loaded.brush_count = 0;
  if (loaded.icon != nullptr) DestroyIcon(loaded.icon);
  loaded.icon = nullptr;
}

void RaiseEvent(const Record &record, Event event) {
  if (!Toolkit().dispatching) return;
  for (const EventBinding &binding : record.events) {
    if (binding.event == event) binding.handler();
  }
}

}  // namespace shell
