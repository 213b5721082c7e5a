// The command line: printing to the transcript, posting input and re-issuing the prompt, and the
// host program's main window and resources as module code asks for them.
#pragma once

#include <string>

#include "host/rx/ads.h"
#include "host/win/WinTypes.h"

// printf-style output to the command line (Windows wide convention: %s takes a wide string).
// Returns the number of characters written.
int acutPrintf(const ACHAR* format, ...);
// Shows the "Command:" prompt again once the host is back at the command prompt.
int acedPostCommandPrompt();
// Queues input for the command processor, taken before the next script line: text up to a
// newline or blank is one input, ESC (\x1b) cancels what runs.
int acedPostCommand(const ACHAR* text);
HINSTANCE acedGetAcadResourceInstance();
HWND adsw_acadMainWnd();

namespace zhost {
// Prints a prompt at the start of a line.
void PrintPrompt(const std::wstring& prompt);
// Prints text at the start of a line (a new line is started when the transcript has none).
void PrintLine(const std::wstring& text);
// Output of modules and LISP: after an echoed input the user's Enter has ended the line, so
// text that does not start a line itself starts on the next one.
void WriteText(const std::wstring& text);
// Called after an input was echoed.
void MarkInputEchoed();
}  // namespace zhost
