// acdbRToS: a real number written in one of the drawing's linear unit formats (scientific,
// decimal, engineering, architectural, fractional), as the LISP function rtos does.
#pragma once

#include <cstddef>

#include "host/rx/ads.h"

// Linear unit formats (the values of LUNITS).
const int kLUnitsScientific = 1;
const int kLUnitsDecimal = 2;
const int kLUnitsEngineering = 3;     // feet and decimal inches: 1'-2.50"
const int kLUnitsArchitectural = 4;   // feet and fractional inches: 1'-2 1/2"
const int kLUnitsFractional = 5;      // whole units and a fraction: 14 1/2

// The largest precision: 8 decimals, or a denominator of 2^8 = 256 for the fractional forms.
const int kLUnitsMaxPrecision = 8;

// Writes `val` into `str` (at most nBufLen characters with the terminating NUL). `unit` is one of
// the formats above and `prec` the number of decimals, or for architectural and fractional units
// the power of two of the fraction's denominator (4 gives sixteenths). -1 for either takes the
// system variable LUNITS or LUPREC when the host defines it, else 2 (decimal) or 4. Engineering
// and architectural values are inches. Precisions above 8 count as 8.
// Returns RTNORM, or RTERROR (with "" in the buffer when it has room) for an unknown unit, a
// precision below -1, a value that is not finite (or beyond 1e300), a null buffer or one too
// small for the text.
int acdbRToS(double val, int unit, int prec, ACHAR* str, size_t nBufLen);
