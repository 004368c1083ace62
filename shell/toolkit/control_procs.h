// Window procedures the toolkit puts in front of the system's own for some controls.
#pragma once

#include <windows.h>

namespace shell {

// A group box passes the notifications of the controls it holds on to the loaded window, which
// raises their events and gives them their colours.
void ForwardNotificationsToWindow(HWND group_box);

// Drops every typed character from 0x20 upwards but the minus sign and the digits. Only typing is
// filtered: pasted and written text goes in unchanged.
void FilterTypedIntegers(HWND edit_box);

}  // namespace shell
