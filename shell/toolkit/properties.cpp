#include "shell/properties.h"

#include <windows.h>

#include "shell/fatal_error.h"
#include "shell/toolkit/text_codec.h"
#include "shell/toolkit/toolkit_state.h"

namespace shell {
namespace {

HWND ControlWindow(WindowId window, ControlId control, std::int32_t element) {
  const LoadedWindow *loaded = FindLoadedWindow(window);
  if (loaded == nullptr) ReportRuntimeError(kWindowNotLoaded, "属性所指的窗口没有载入。");
  if (element != kNoElement) ReportRuntimeError(kBadPropertyAccess, "属性的成员索引无效。");
  const Record *record = FindRecord(loaded->description, control);
  if (record != nullptr && record->kind != Kind::Window) {
    const HWND control_window = loaded->windows[PositionOf(loaded->description, *record)];
    if (IsWindow(control_window)) return control_window;
  }
  ReportRuntimeError(kControlWithoutWindow, "属性所指的控件没有窗口。");
}

[[noreturn]] void ReportUnknownProperty() {
  ReportRuntimeError(kBadPropertyAccess, "控件没有这一属性。");
}

}  // namespace

PropertyValue GetControlProperty(WindowId window, ControlId control, std::int32_t property,
                                 std::int32_t element) {
  const HWND control_window = ControlWindow(window, control, element);
  PropertyValue value;
  if (property == kTextProperty) {
    const int length = GetWindowTextLengthW(control_window);
    const keyboard::HeapArray<wchar_t> text(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(control_window, text.data(), length + 1);
    value.text = WideToGbk(text.data(), copied);
  } else if (property == kCheckedProperty) {
    value.integer = SendMessageW(control_window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  } else {
    ReportUnknownProperty();
  }
  return value;
}

void SetControlProperty(WindowId window, ControlId control, std::int32_t property,
                        std::int32_t element, const PropertyInput &value) {
  const HWND control_window = ControlWindow(window, control, element);
  if (property == kTextProperty) {
    SetWindowTextW(control_window, GbkToWide(value.text).get());
  } else if (property == kCheckedProperty) {
    SendMessageW(control_window, BM_SETCHECK, value.integer != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
  } else {
    ReportUnknownProperty();
  }
}

}  // namespace shell
