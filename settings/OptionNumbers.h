// Number texts of the option files: how ints and doubles are written to and read from INI values.
#pragma once

#include "host/mfc/CString.h"

// "%d".
CString OptionIntText(int value);
// "%f" with trailing zeros and a trailing "." cut; a negative value that reads as zero loses its "-".
CString OptionDoubleText(double value);
// Accepts "," as well as "." as the decimal separator; unreadable text is 0.
double OptionTextToDouble(const wchar_t* text);
// Decimal; unreadable text is 0.
int OptionTextToInt(const wchar_t* text);
