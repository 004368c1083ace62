// Builds a window and its controls from the stored description. One generic routine: each kind
// maps to a platform class and styles; everything else comes from the records.
#include <windows.h>

#include <new>

#include "res/resource_ids.h"
#include "shell/fatal_error.h"
#include "shell/toolkit/control_procs.h"
#include "shell/toolkit/text_codec.h"
#include "shell/toolkit/toolkit.h"
#include "shell/toolkit/toolkit_state.h"
#include "shell/toolkit/window_classes.h"

namespace shell {
namespace {

struct PlatformKind {
  const wchar_t *window_class;
  DWORD style;
  DWORD extended_style;
};

PlatformKind PlatformKindOf(Kind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  switch (kind) {
    case Kind::EditBox:
      return {L"EDIT", kChild | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::GroupBox:
      return {L"BUTTON", kChild | BS_GROUPBOX | BS_LEFT, 0};
    case Kind::Button:
      return {L"BUTTON", kChild | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
    case Kind::CheckBox:
      return {L"BUTTON", kChild | BS_AUTOCHECKBOX | BS_MULTILINE | BS_FLAT | BS_LEFT | BS_VCENTER,
              0};
    case Kind::Timer:
      return {kTimerWindowClass, WS_CHILD, 0};
    case Kind::Window:
      break;
  }
  return {kMainWindowClass, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0};
}

[[noreturn]] void FailToBuild(const Record &record) {
  ReportRuntimeError(kWindowNotCreated,
                     keyboard::JoinTexts({"无法创建窗口或控件“", record.name, "”。"}).get());
}

HWND CreateMainWindow(const Record &record) {
  const PlatformKind platform = PlatformKindOf(record.kind);
  // Centred on the primary screen; the stored place is not used.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - record.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - record.height) / 2;
  const WideText title = GbkToWide(record.text);
  HWND window = CreateWindowExW(platform.extended_style, platform.window_class, title.get(),
                                platform.style, left, top, record.width, record.height, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) FailToBuild(record);
  RECT frame;
  GetWindowRect(window, &frame);
  if (frame.right - frame.left != record.width || frame.bottom - frame.top != record.height) {
    SetWindowPos(window, nullptr, 0, 0, record.width, record.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return window;
}

HWND CreateControl(const Record &record, HWND window) {
  const PlatformKind platform = PlatformKindOf(record.kind);
  DWORD style = platform.style;
  if (record.tab_stop) style |= WS_TABSTOP;
  if (!record.enabled) style |= WS_DISABLED;
  const WideText text = GbkToWide(record.text);
  HWND control = CreateWindowExW(
      platform.extended_style, platform.window_class, text.get(), style, record.left, record.top,
      record.width, record.height, window, reinterpret_cast<HMENU>(UINT_PTR{record.identifier}),
      GetModuleHandleW(nullptr),
      reinterpret_cast<void *>(static_cast<UINT_PTR>(record.interval_ms)));
  if (control == nullptr) FailToBuild(record);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  if (record.kind == Kind::EditBox) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
  if (record.kind == Kind::GroupBox) ForwardNotificationsToWindow(control);
  if (record.filter == TypingFilter::IntegerCharacters) FilterTypedIntegers(control);
  return control;
}

void SetIcon(LoadedWindow &loaded) {
  loaded.icon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELMORA),
                                    IMAGE_ICON, 128, 128, LR_DEFAULTCOLOR));
  const HWND window = loaded.windows.front();
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(loaded.icon));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(loaded.icon));
}

HWND WindowOfControl(const LoadedWindow &loaded, ControlId identifier) {
  const Record *record = FindRecord(loaded.description, identifier);
  return record != nullptr ? loaded.windows[PositionOf(loaded.description, *record)] : nullptr;
}

// Each sibling goes just below the one before it, so the stored order is the stacking order
// from top to bottom.
void StackInOrder(const LoadedWindow &loaded, std::span<const ControlId> siblings) {
  HWND above = HWND_TOP;
  for (const ControlId sibling : siblings) {
    const HWND control = WindowOfControl(loaded, sibling);
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

void PlaceControls(const LoadedWindow &loaded) {
  const std::span<const Record> description = loaded.description;
  keyboard::HeapArray<ControlId> top_level(description.size());
  std::size_t top_level_count = 0;
  for (std::size_t i = 1; i < description.size(); ++i) {
    const Record &record = description[i];
    if (record.parent == kNoParent) {
      top_level[top_level_count++] = record.identifier;
    } else {
      SetParent(loaded.windows[i], WindowOfControl(loaded, record.parent));
    }
  }
  StackInOrder(loaded, {top_level.data(), top_level_count});
  for (const Record &record : description) {
    if (record.kind == Kind::GroupBox) StackInOrder(loaded, record.holds);
  }
}

// The window's state lives on the C heap like every other allocation of the program.
LoadedWindow *NewLoadedWindow(WindowId id, std::span<const Record> description) {
  auto *loaded = new (keyboard::AllocateBytes(sizeof(LoadedWindow))) LoadedWindow();
  loaded->id = id;
  loaded->description = description;
  loaded->windows = keyboard::HeapArray<HWND>(description.size());
  return loaded;
}

}  // namespace

void LoadStartWindow(WindowId window_id) {
  ToolkitState &toolkit = Toolkit();
  toolkit.dispatching = false;
  const StoredDescription *stored = nullptr;
  for (std::size_t i = 0; i < toolkit.description_count; ++i) {
    if (toolkit.descriptions[i].id == window_id) stored = &toolkit.descriptions[i];
  }
  if (stored == nullptr || stored->records.empty())
    ReportRuntimeError(kDescriptionMissing, "找不到窗口的描述。");
  if (!RegisterWindowClasses()) ReportRuntimeError(kWindowNotCreated, "窗口类无法注册。");

  const std::span<const Record> description = stored->records;
  LoadedWindow &built = *NewLoadedWindow(window_id, description);
  const HWND window = CreateMainWindow(description.front());
  built.windows.front() = window;
  // The window owns its state from here on and frees it when it is destroyed.
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&built));
  toolkit.loaded = &built;
  SetIcon(built);

  for (std::size_t i = description.size() - 1; i > 0; --i) {
    built.windows[i] = CreateControl(description[i], window);
  }
  PlaceControls(built);
  for (std::size_t i = 1; i < description.size(); ++i) {
    if (description[i].visible && description[i].kind != Kind::Timer) {
      ShowWindow(built.windows[i], SW_SHOWNA);
    }
  }

  toolkit.dispatching = true;
  RaiseEvent(description.front(), Event::Created);
  // The first paint comes from the message loop, right after whatever is already queued.
  if (IsWindow(window)) ShowWindow(window, SW_SHOW);
}

}  // namespace shell
