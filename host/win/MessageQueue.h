// Posted messages and timers without a message loop. The script's input is the host's only
// source of time: the command processor calls PumpMessages before it takes each input (every
// script line, posted input or answer), and that gap is when posted messages are delivered and
// timers fire. Every live timer counts as due in every gap, whatever its period, and fires once
// per gap in the order the timers were set; a timer set or reset during a gap waits for the next
// one. So a script run is the same on every machine however fast it runs.
#pragma once

#include "host/win/WinTypes.h"

typedef void (*TIMERPROC)(HWND window, UINT message, UINT_PTR id, DWORD time);

// Queues the message for the window; delivered (sent) at the next gap. FALSE for no window.
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline BOOL PostMessage(HWND w, UINT m, WPARAM wp, LPARAM lp) { return PostMessageW(w, m, wp, lp); }

// A window's timer `id` (replaced when it exists) sends WM_TIMER to the window, or calls `proc`
// when given. Without a window a new id is made and returned. Returns 0 for a window that is
// not live.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND window, UINT_PTR id);

namespace zhost {

// Delivers the posted messages, then fires the due timers. Not re-entered: a call from inside
// a delivered message or timer returns at once.
void PumpMessages();
// The live timers (tests and the transcript's print of a dialog).
int TimerCount(HWND window);
// Drops every posted message and timer (between test sessions).
void ResetMessageQueue();

}  // namespace zhost
