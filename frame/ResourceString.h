// String resources of the module (or of the language module replacing them).
#pragma once

#include "host/mfc/CString.h"
#include "host/win/WinTypes.h"

// The longest string LoadResString returns (longer strings are cut, never overrun).
constexpr int kResStringBufferSize = 4096;

// String `id` in one static buffer: the pointer stays valid until the next call, which
// overwrites it. An id without a string gives an empty text.
const wchar_t* LoadResString(UINT id);

// String `id` as a value.
CString GetResString(UINT id);
