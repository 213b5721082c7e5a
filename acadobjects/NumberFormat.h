// Numbers as the program writes and reads them: measurement and option texts with a chosen
// number of decimals and decimal separator, and the tolerant reading of texts typed with a
// decimal comma or a decimal point.
//
// The captions of the drawing-unit option ("1 m", "1 cm", "1 Zoll" ...) are converted by
// AcadUnitsValue2Text and AcadUnitsText2Value of settings/ScaleMaps.h.
#pragma once

#include "host/mfc/CString.h"

// Decimals outside 0..kMaxFixedDecimals mean "no fixed decimals": six are written and the
// trailing zeros always dropped.
constexpr int kMaxFixedDecimals = 14;
constexpr int kFreeDecimals = -1;

// `value` with `decimals` decimals ("%.<decimals>f"); `trimZeros` drops trailing zeros after the
// decimal separator and then a separator left at the end ("2.50" -> "2.5", "3.00" -> "3"). A
// text that is zero apart from its "-" ("-0.00") is written without the sign. `separator`, when
// given and not empty, replaces the decimal point (1234.5 with "," -> "1234,5").
CString FormatNumber(double value, int decimals, bool trimZeros = false, const wchar_t* separator = nullptr);

// A number typed with "," or "." as the decimal separator ("2,5" and "2.5" both read as 2.5).
// A text holding both reads the one that comes last as the decimal separator and drops the
// other as digit grouping ("1,234.5" and "1.234,5" read as 1234.5). Surrounding blanks are
// ignored, reading stops at the first character that cannot continue the number, and an empty,
// unreadable or non-finite text reads as 0.
double ParseNumber(const wchar_t* text);

// A whole number read the C library's way (leading blanks and sign, decimal digits; 0 when
// there are none).
int ParseInt(const wchar_t* text);
