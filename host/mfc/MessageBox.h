// Message boxes without a screen. A box is written to the command-line transcript and answered
// from the answers a script queued (zhost::Console, kind "messagebox": ok, cancel, yes, no,
// retry, ignore, abort, tryagain, continue; case and surrounding blanks do not matter), or by
// its default button when none is queued. Transcript form:
//
//   \n[<caption>] (<icon>) <text>\n
//   [<caption>] <buttons> -> <answer>\n
//
// where <icon> is information, warning, error, question or none, <buttons> lists the buttons
// with the default one starred ("yes*/no"), and <answer> is the chosen button followed by
// " (default)" when no answer was queued. A queued answer that is not one of the box's buttons
// is taken from the queue but refused with the line
//   [<caption>] answer "<value>" refused: not one of <buttons>\n
// and the default button answers instead.
#pragma once

#include "host/win/WinTypes.h"

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_CANCELTRYCONTINUE 0x00000006L
#define MB_TYPEMASK 0x0000000FL

#define MB_ICONHAND 0x00000010L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONMASK 0x000000F0L

#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFBUTTON4 0x00000300L
#define MB_DEFMASK 0x00000F00L

#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_HELP 0x00004000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDTRYAGAIN 10
#define IDCONTINUE 11

// A null caption is "Error", as on Windows. Returns the ID* of the answer.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
inline int MessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  return MessageBoxW(owner, text, caption, type);
}

// Captioned with the program's name ("zhost").
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);
// The text is string resource `promptId` (CString::LoadString order); a missing string shows
// "(missing string resource N)" so the box is never silently empty.
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = (UINT)-1);
