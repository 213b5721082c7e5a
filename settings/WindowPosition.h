// Window-position records "left,top,width,height,maximised" in section "General Info" of the
// main INI file.
#pragma once

#include "host/mfc/CString.h"
#include "host/win/WinTypes.h"

// Stores the window's place under `key` (deferred) unless it is minimised. False when nothing
// was stored.
bool SaveWindowPosition(const wchar_t* key, HWND window);
// Restores the record under `key`: maximised when its fifth number is 1, otherwise moved when
// left < 1000, top < 1000 and 21 <= width, height < 2000 (`keepSize`: with the window's present
// width and height). False when the window was left as it was.
bool RestoreWindowPosition(const wchar_t* key, HWND window, bool keepSize);

// The record's text and its parsing (at least five numbers), used by the two above.
CString FormatWindowRecord(int left, int top, int width, int height, bool maximised);
bool ParseWindowRecord(const wchar_t* text, int& left, int& top, int& width, int& height, bool& maximised);
