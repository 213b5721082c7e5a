// The trace log "Zenkora.log" in the temporary folder, written only while "DebugMsg" is on.
#pragma once

#include "host/mfc/CString.h"

// Appends `text` unchanged (traces carry their own line breaks).
void TraceMsg(const wchar_t* text);
// printf-style (Windows wide convention), at most 1023 characters.
void TraceMsgF(const wchar_t* format, ...);
// The temporary folder + "Zenkora.log".
CString GetDebugLogPath();
// Deletes the log (true when it is gone or was never there) and forgets that its path was shown.
bool DeleteDebugLog();
