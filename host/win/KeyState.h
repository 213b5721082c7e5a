// Key state without a keyboard: GetKeyState and GetAsyncKeyState read a table of keys that the
// script (a key directive such as "%key esc") or a test sets, so that code polling for ESC during
// a long operation sees the user's key stroke.
#pragma once

#include <string>

#include "host/win/WinTypes.h"

#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_CANCEL 0x03
#define VK_MBUTTON 0x04
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_DELETE 0x2E

// High bit (0x8000): the key is down. Low bit: the toggle state, flipped by every stroke.
SHORT GetKeyState(int virtualKey);
// High bit: the key is down. Low bit: the key went down since the previous GetAsyncKeyState
// call for it.
SHORT GetAsyncKeyState(int virtualKey);

namespace zhost {

// Holds the key down (or lets it go) until the next change.
void SetKeyDown(int virtualKey, bool down);
// One stroke: the key reads as down at the next query of either function and is released
// right after it, as a quick press between two polls would be.
void PressKey(int virtualKey);
// Every key up, no strokes pending, toggles off.
void ResetKeyState();

// The virtual-key code of a key name ("esc", "escape", "enter", "return", "tab", "space",
// "shift", "ctrl", "control", "alt", "delete", "backspace"; any case); 0 for an unknown name.
int VirtualKeyFromName(const std::wstring& name);

}  // namespace zhost
