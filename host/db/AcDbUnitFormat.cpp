// Real numbers in the drawing's linear unit formats.
#include "host/db/AcDbUnitFormat.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>

#include "host/ed/SysVars.h"

namespace {

// The value of an integer system variable, or `fallback` when the host has none of that name.
int IntSysVar(const wchar_t* name, int fallback) {
  zhost::SysVars& vars = zhost::SysVars::instance();
  if (!vars.has(name)) return fallback;
  zhost::SysVarValue value;
  if (vars.get(name, value) != RTNORM) return fallback;
  if (value.type == RTREAL) return static_cast<int>(value.r);
  if (value.type == RTSHORT || value.type == RTLONG) return static_cast<int>(value.i);
  return fallback;
}

std::wstring Printf(const wchar_t* format, int prec, double value) {
  wchar_t buffer[400];
  const int n = std::swprintf(buffer, sizeof(buffer) / sizeof(buffer[0]), format, prec, value);
  return n < 0 ? std::wstring() : std::wstring(buffer, static_cast<size_t>(n));
}

std::wstring WholeNumber(double value) { return Printf(L"%.*f", 0, value); }

std::wstring Scientific(double magnitude, int prec) { return Printf(L"%.*E", prec, magnitude); }

std::wstring Decimal(double magnitude, int prec) { return Printf(L"%.*f", prec, magnitude); }

// Feet and decimal inches. The value is rounded to the precision first so that 23.999 inches
// with two decimals become 2'-0.00" instead of 1'-12.00".
std::wstring Engineering(double magnitude, int prec) {
  const double scale = std::pow(10.0, prec);
  const double units = std::nearbyint(magnitude * scale);
  const double perFoot = 12.0 * scale;
  const double feet = std::floor(units / perFoot);
  const double inches = (units - feet * perFoot) / scale;
  return WholeNumber(feet) + L"'-" + Decimal(inches, prec) + L"\"";
}

// Whole part and reduced fraction of `units` counted in 1/denominator steps; the whole part is
// left out ("1/2") when it is 0 and a fraction exists, unless `keepZero`.
std::wstring WholeAndFraction(double units, long long denominator, bool keepZero) {
  const double whole = std::floor(units / static_cast<double>(denominator));
  const double rest = units - whole * static_cast<double>(denominator);
  // Far beyond 2^53 the rest is only rounding noise.
  long long numerator = rest > 0 && rest < static_cast<double>(denominator) ? static_cast<long long>(rest) : 0;
  long long den = denominator;
  while (numerator != 0 && numerator % 2 == 0 && den % 2 == 0) {
    numerator /= 2;
    den /= 2;
  }
  if (numerator == 0) return WholeNumber(whole);
  const std::wstring fraction = std::to_wstring(numerator) + L"/" + std::to_wstring(den);
  if (whole == 0.0 && !keepZero) return fraction;
  return WholeNumber(whole) + L" " + fraction;
}

std::wstring Fractional(double magnitude, int prec) {
  const long long den = 1LL << prec;
  return WholeAndFraction(std::nearbyint(magnitude * static_cast<double>(den)), den, false);
}

// Feet and fractional inches: 1'-2 1/2", 1'-0", 0'-0 1/2".
std::wstring Architectural(double magnitude, int prec) {
  const long long den = 1LL << prec;
  const double units = std::nearbyint(magnitude * static_cast<double>(den));
  const double perFoot = 12.0 * static_cast<double>(den);
  const double feet = std::floor(units / perFoot);
  return WholeNumber(feet) + L"'-" + WholeAndFraction(units - feet * perFoot, den, true) + L"\"";
}

bool HasNonZeroDigit(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c == L'E') return false;  // the exponent of a scientific zero is not a digit of the value
    if (c >= L'1' && c <= L'9') return true;
  }
  return false;
}

}  // namespace

int acdbRToS(double val, int unit, int prec, ACHAR* str, size_t nBufLen) {
  if (!str || nBufLen == 0) return RTERROR;
  str[0] = 0;
  if (unit == -1) unit = IntSysVar(L"LUNITS", kLUnitsDecimal);
  if (prec == -1) prec = IntSysVar(L"LUPREC", 4);
  if (unit < kLUnitsScientific || unit > kLUnitsFractional) return RTERROR;
  if (prec < 0 || !std::isfinite(val)) return RTERROR;
  if (prec > kLUnitsMaxPrecision) prec = kLUnitsMaxPrecision;

  const double magnitude = std::fabs(val);
  // Scaled by the largest precision (10^8 or 256 steps) the value must stay finite.
  if (!std::isfinite(magnitude * 1e8)) return RTERROR;
  std::wstring text;
  switch (unit) {
    case kLUnitsScientific: text = Scientific(magnitude, prec); break;
    case kLUnitsDecimal: text = Decimal(magnitude, prec); break;
    case kLUnitsEngineering: text = Engineering(magnitude, prec); break;
    case kLUnitsArchitectural: text = Architectural(magnitude, prec); break;
    default: text = Fractional(magnitude, prec); break;
  }
  // A value that rounds to zero is written without a sign.
  if (val < 0 && HasNonZeroDigit(text)) text.insert(0, 1, L'-');
  if (text.empty() || text.size() + 1 > nBufLen) return RTERROR;
  std::wmemcpy(str, text.c_str(), text.size() + 1);
  return RTNORM;
}
