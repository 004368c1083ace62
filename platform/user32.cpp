#include "platform/user32.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <type_traits>

#include "platform/bindings.h"

namespace platform {
namespace {

// Each pointer is declared with the exact prototype of the SDK, calling convention included, and
// checked against the SDK's own declaration at compile time. A call through a pointer of the
// wrong type would leave the stack unbalanced; the compiler rules that out here, so no call needs
// a check of the stack at run time.
template <typename Declared, typename Sdk>
constexpr bool kSameAsSdk = std::is_same_v<Declared, Sdk>;

using GetKeyStateFn = SHORT(WINAPI *)(int);
using KeybdEventFn = VOID(WINAPI *)(BYTE, BYTE, DWORD, ULONG_PTR);
using GetKeyboardStateFn = BOOL(WINAPI *)(PBYTE);
using SetKeyboardStateFn = BOOL(WINAPI *)(LPBYTE);
using ShowCaretFn = BOOL(WINAPI *)(HWND);
using HideCaretFn = BOOL(WINAPI *)(HWND);
using SystemParametersInfoAFn = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT);
using GetCaretBlinkTimeFn = UINT(WINAPI *)(VOID);
using SetCaretBlinkTimeFn = BOOL(WINAPI *)(UINT);
using GetKeyboardTypeFn = int(WINAPI *)(int);

static_assert(kSameAsSdk<GetKeyStateFn, decltype(&::GetKeyState)>);
static_assert(kSameAsSdk<KeybdEventFn, decltype(&::keybd_event)>);
static_assert(kSameAsSdk<GetKeyboardStateFn, decltype(&::GetKeyboardState)>);
static_assert(kSameAsSdk<SetKeyboardStateFn, decltype(&::SetKeyboardState)>);
static_assert(kSameAsSdk<ShowCaretFn, decltype(&::ShowCaret)>);
static_assert(kSameAsSdk<HideCaretFn, decltype(&::HideCaret)>);
static_assert(kSameAsSdk<SystemParametersInfoAFn, decltype(&::SystemParametersInfoA)>);
static_assert(kSameAsSdk<GetCaretBlinkTimeFn, decltype(&::GetCaretBlinkTime)>);
static_assert(kSameAsSdk<SetCaretBlinkTimeFn, decltype(&::SetCaretBlinkTime)>);
static_assert(kSameAsSdk<GetKeyboardTypeFn, decltype(&::GetKeyboardType)>);

enum Slot {
  kGetKeyState,
  kKeybdEvent,
  kGetKeyboardState,
  kSetKeyboardState,
  kShowCaret,
  kHideCaret,
  kSystemParametersInfoA,
  kGetCaretBlinkTime,
  kSetCaretBlinkTime,
  kGetKeyboardType,
  kSlotCount
};

constexpr const char *kLibrary = "User32.dll";
constexpr const char *kNames[kSlotCount] = {
    "GetKeyState",       "keybd_event",     "GetKeyboardState",      "SetKeyboardState",
    "ShowCaret",         "HideCaret",       "SystemParametersInfoA", "GetCaretBlinkTime",
    "SetCaretBlinkTime", "GetKeyboardType",
};

void *bound[kSlotCount];

template <typename Function>
Function Bound(Slot slot) {
  if (bound[slot] == nullptr) bound[slot] = BindProcedure(kLibrary, kNames[slot]);
  // Through void (*)(), the one function type GCC lets any other be cast to without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(bound[slot]));
}

}  // namespace

void PrepareBindings() {
  std::fill(std::begin(bound), std::end(bound), nullptr);
}

void ReleaseBindings() {
  PrepareBindings();
  FreeBoundLibraries();
}

std::int16_t GetKeyState(std::int32_t virtual_key) {
  return Bound<GetKeyStateFn>(kGetKeyState)(virtual_key);
}

void keybd_event(std::uint8_t virtual_key, std::uint8_t scan_code, std::uint32_t flags,
                 std::uintptr_t extra_info) {
  Bound<KeybdEventFn>(kKeybdEvent)(virtual_key, scan_code, flags, extra_info);
}

bool GetKeyboardState(std::uint8_t *key_state_table) {
  return Bound<GetKeyboardStateFn>(kGetKeyboardState)(key_state_table) != FALSE;
}

bool SetKeyboardState(std::uint8_t *key_state_table) {
  return Bound<SetKeyboardStateFn>(kSetKeyboardState)(key_state_table) != FALSE;
}

bool ShowCaret(void *window) {
  return Bound<ShowCaretFn>(kShowCaret)(static_cast<HWND>(window)) != FALSE;
}

bool HideCaret(void *window) {
  return Bound<HideCaretFn>(kHideCaret)(static_cast<HWND>(window)) != FALSE;
}

bool SystemParametersInfoA(std::uint32_t action, std::uint32_t parameter, void *pointer,
                           std::uint32_t flags) {
  return Bound<SystemParametersInfoAFn>(kSystemParametersInfoA)(action, parameter, pointer,
                                                                flags) != FALSE;
}

std::uint32_t GetCaretBlinkTime() {
  return Bound<GetCaretBlinkTimeFn>(kGetCaretBlinkTime)();
}

bool SetCaretBlinkTime(std::uint32_t milliseconds) {
  return Bound<SetCaretBlinkTimeFn>(kSetCaretBlinkTime)(milliseconds) != FALSE;
}

std::int32_t GetKeyboardType(std::int32_t which) {
  return Bound<GetKeyboardTypeFn>(kGetKeyboardType)(which);
}

bool MessageBeep(std::uint32_t type) {
  return ::MessageBeep(type) != FALSE;
}

}  // namespace platform
