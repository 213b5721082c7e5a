// Message boxes and questions with the product's caption, and the ESC check of long operations.
// Texts are shown as given; the formatted forms follow the Windows convention (%s takes a wide
// string).
#pragma once

#include "host/win/WinTypes.h"

// Formatted message texts are cut to this many characters.
constexpr int kMessageTextLimit = 1024;

// The owner of the boxes: the active window while the main palette exists (the palette or a
// dialog above it), else the CAD program's main window.
HWND MessageOwner();

// An information box; nothing is shown for an empty (or null) text.
void ShowMessage(const wchar_t* text);
// ShowMessage of the formatted text.
void ShowMessageFormat(const wchar_t* format, ...);
// ShowMessage of string resource `id` (of the language module when one is loaded). A missing
// string shows nothing and is written to the trace log.
void ShowMessageId(UINT id);

// A Yes/No question; true on Yes.
bool AskYesNo(const wchar_t* text);
bool AskYesNoFormat(const wchar_t* format, ...);

// True when nothing exists at `path`, or when the user agrees to overwrite it.
bool ConfirmOverwrite(const wchar_t* path);

// True while ESC is down or when it was pressed since the last check.
bool IsEscapePressed();
// True when ESC was pressed and the user confirms that the operation is to be cancelled.
bool AskCancel();
