// The built window and its controls against the description they were built from.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "shell/toolkit/window_classes.h"
#include "tests/wine/recording_window.h"

namespace wine_tests {
namespace {

using shell::Kind;

// How each kind of control is realised: its class and the styles the toolkit asks for. The
// control styles (low word) are compared whole, so a style that is not asked for shows too; the
// window styles that depend on the record (tab stop, visible, disabled) are added to `child`.
struct Realisation {
  Kind kind;
  const wchar_t *window_class;
  DWORD child;
  DWORD control_style;
  DWORD extended_style;
};

constexpr DWORD kSibling = WS_CHILD | WS_CLIPSIBLINGS;

constexpr Realisation kRealisations[] = {
    {Kind::EditBox, L"EDIT", kSibling, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {Kind::GroupBox, L"BUTTON", kSibling, BS_GROUPBOX | BS_LEFT, 0},
    {Kind::Button, L"BUTTON", kSibling, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0},
    {Kind::CheckBox, L"BUTTON", kSibling,
     BS_AUTOCHECKBOX | BS_MULTILINE | BS_FLAT | BS_LEFT | BS_VCENTER, 0},
    {Kind::Timer, shell::kTimerWindowClass, WS_CHILD, 0, 0},
};

// The window styles a control may carry; of these it has exactly the ones its record asks for.
constexpr DWORD kControlWindowStyles = WS_POPUP | WS_CHILD | WS_VISIBLE | WS_DISABLED |
                                       WS_CLIPSIBLINGS | WS_CAPTION | WS_VSCROLL | WS_HSCROLL |
                                       WS_SYSMENU | WS_THICKFRAME | WS_TABSTOP;

const Realisation *RealisationOf(Kind kind) {
  const Realisation *found = std::ranges::find(kRealisations, kind, &Realisation::kind);
  return found == std::end(kRealisations) ? nullptr : found;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The place of a window in the client area of its parent.
RECT PlaceInParent(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT *>(&place), 2);
  return place;
}

std::vector<HWND> ChildrenTopToBottom(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

using ToolkitLayout = RecordingWindowTest;

TEST_F(ToolkitLayout, WindowIsCentredFixedFrameWithTitleAndIcon) {
  const HWND window = Window();
  EXPECT_EQ(ClassOf(window), shell::kMainWindowClass);
  EXPECT_EQ(TextOf(window), FromGbk("Velmora键盘设置"));

  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.right - frame.left, 406);
  EXPECT_EQ(frame.bottom - frame.top, 280);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 406) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 280) / 2);

  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  constexpr DWORD kAsked = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_VISIBLE;
  EXPECT_EQ(style & kAsked, kAsked);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD |
                     WS_DISABLED | WS_VSCROLL | WS_HSCROLL),
            0u);
  // The system adds the raised edge of a captioned window; the toolkit asks for nothing.
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetMenu(window), nullptr);

  const auto big = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), big);
  ICONINFO icon{};
  ASSERT_TRUE(GetIconInfo(big, &icon));
  BITMAP image{};
  GetObjectW(icon.hbmColor, sizeof image, &image);
  EXPECT_EQ(image.bmWidth, 128);
  EXPECT_EQ(image.bmHeight, 128);
  EXPECT_EQ(image.bmBitsPixel, 32);
  DeleteObject(icon.hbmColor);
  DeleteObject(icon.hbmMask);
}

TEST_F(ToolkitLayout, EveryControlIsBuiltAsItsRecordSays) {
  const std::span<const shell::Record> description = Description();
  for (std::size_t position = 1; position < description.size(); ++position) {
    const shell::Record &record = description[position];
    const HWND control = At(position);
    SCOPED_TRACE(FromGbk(record.name).c_str());
    ASSERT_TRUE(IsWindow(control));
    const Realisation *realisation = RealisationOf(record.kind);
    ASSERT_NE(realisation, nullptr);

    EXPECT_EQ(
        CompareStringOrdinal(ClassOf(control).c_str(), -1, realisation->window_class, -1, TRUE),
        CSTR_EQUAL);
    EXPECT_EQ(GetDlgCtrlID(control), static_cast<int>(record.identifier));
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    EXPECT_EQ(style & 0xFFFF, realisation->control_style);
    const bool shown = record.visible && record.kind != Kind::Timer;
    EXPECT_EQ(style & kControlWindowStyles,
              realisation->child | (record.tab_stop ? WS_TABSTOP : 0) | (shown ? WS_VISIBLE : 0) |
                  (record.enabled ? 0 : WS_DISABLED));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE)),
              realisation->extended_style);

    const HWND parent = record.parent == shell::kNoParent ? Window() : Control(record.parent);
    EXPECT_EQ(GetParent(control), parent);
    EXPECT_EQ(TextOf(control), FromGbk(record.text));
    if (record.kind == Kind::Timer) continue;  // its place and size have no effect

    const RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, record.left);
    EXPECT_EQ(place.top, record.top);
    EXPECT_EQ(place.right - place.left, record.width);
    EXPECT_EQ(place.bottom - place.top, record.height);
    EXPECT_EQ(SendMessageW(control, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    if (record.kind == Kind::EditBox) {
      // The limit 0 leaves the system's maximum for a single-line box.
      EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    }
    if (record.kind == Kind::CheckBox) {
      EXPECT_EQ(SendMessageW(control, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    }
  }
}

// Among the controls with the same parent, the stacking order from top to bottom is the stored
// order.
TEST_F(ToolkitLayout, SiblingsStackInStoredOrder) {
  const std::span<const shell::Record> description = Description();
  for (std::size_t parent = 0; parent < description.size(); ++parent) {
    if (parent != 0 && description[parent].kind != Kind::GroupBox) continue;
    SCOPED_TRACE(FromGbk(description[parent].name).c_str());
    const shell::ControlId identifier =
        parent == 0 ? shell::kNoParent : description[parent].identifier;
    std::vector<HWND> stored;
    for (std::size_t i = 1; i < description.size(); ++i) {
      if (description[i].parent == identifier) stored.push_back(At(i));
    }
    EXPECT_EQ(ChildrenTopToBottom(At(parent)), stored);
  }
}

}  // namespace
}  // namespace wine_tests
