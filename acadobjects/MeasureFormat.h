// The measurement formatter of chains, height marks and formatted host dimensions: a length in
// drawing units written in the unit, decimals, rounding and separator of an option set; and the
// test whether a typed text stands for a number.
#pragma once

#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"

// Types of measurement (the first argument of FormatMeasure); a negative type asks for the
// alternate units of the same type.
const int MEASURE_CHAIN = 2;
const int MEASURE_HEIGHT = 3;
const int MEASURE_ACAD_DIM = 5;

// `value` (drawing units) as the text of an option set's unit: "m/cm" (centimetres below 1 m,
// or below 10 m with MCmFrom10, else metres; with 3 or more decimals the millimetres follow
// raised, after "^", or MText-stacked for type 5), "m", "cm", "mm", "ft" and the two
// feet-and-inches forms. Rounding (RoundMM) works in quarter or half centimetres. 0 gives "".
// A negative value is written with "-". Without the option object the text is "...<value>".
// `doubles` gets AcadUnits 0 replaced by 0.001.
CString FormatMeasure(int type, double value, CStringArray& strings, CUIntArray& ints,
                      CArray<double, double>& doubles);

// True when `text` is a number as typed by a user: an optional "-" (blanks may follow it), then
// digits with "." or "," as separators and at least one digit. Texts with letters, signs,
// blanks, "^" or any other character are texts.
bool IsNumber(const wchar_t* text);

// The number a text passes IsNumber for, read with ParseNumber ("- 1,5" gives -1.5).
double NumberOfText(const wchar_t* text);
