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

COLORREF ColourOf(std::uint32_t colour) {
  return colour == kButtonFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

HBRUSH BrushFor(LoadedWindow &loaded, std::uint32_t colour) {
  if (colour == kButtonFace) return GetSysColorBrush(COLOR_BTNFACE);
  for (const SolidBrush &made : loaded.brushes) {
    if (made.colour == colour) return made.brush;
  }
  const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
  if (brush != nullptr) loaded.brushes.push_back({static_cast<COLORREF>(colour), brush});
  return brush;
}

void ReleaseWindowResources(LoadedWindow &loaded) {
  for (const SolidBrush &made : loaded.brushes) DeleteObject(made.brush);
  loaded.brushes.clear();
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
