// The measurement formatter and the number test of typed texts.
#include "acadobjects/MeasureFormat.h"

#include <cmath>
#include <cstdlib>

#include "acadobjects/NumberFormat.h"
#include "frame/ResourceString.h"
#include "host/db/AcDbUnitFormat.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

namespace {

const UINT IDS_FEET_INCH_DECIMAL = 7045;
const UINT IDS_FEET = 7046;
const UINT IDS_FEET_INCH_MARK = 7052;
const size_t kFeetInchBuffer = 512;

int IntAt(const CUIntArray& ints, int k) { return k < ints.GetSize() ? static_cast<int>(ints[k]) : 0; }

CString StringAt(const CStringArray& strings, int k) { return k < strings.GetSize() ? strings[k] : CString(); }

// Drawing units per millimetre; 0 (or a missing entry) counts as metres, and is repaired in the
// array so that every later reader sees the same unit.
double AcadUnitsOf(CArray<double, double>& doubles) {
  if (doubles.GetSize() <= IND_D_AcadUnits) return 0.001;
  if (doubles[IND_D_AcadUnits] == 0.0) doubles[IND_D_AcadUnits] = 0.001;
  return doubles[IND_D_AcadUnits];
}

struct UnitChoice {
  CString unit;
  int decimals = 0;
};

// The alternate unit and decimals: the option object's, or those of the option file the set
// names (an entry the file lacks keeps the option object's value).
UnitChoice AlternateUnit(const CStringArray& strings) {
  UnitChoice choice;
  choice.unit = StringAt(pGlobDimOptions->arrayOptString, IND_OPT_S_AltMeasure);
  choice.decimals = IntAt(pGlobDimOptions->arrayOptInt, IND_OPT_B_AltDecimals);
  const CString file = StringAt(strings, IND_S_IniFile);
  if (file.IsEmpty()) return choice;
  CString unit = ReadEntryFromIni(file, SECTION_GENERAL_INFO, L"AltMeasure");
  if (!unit.IsEmpty()) choice.unit = unit;
  CString decimals = ReadEntryFromIni(file, SECTION_GENERAL_INFO, L"AltDecimals");
  if (!decimals.Trim().IsEmpty()) choice.decimals = ParseInt(decimals);
  return choice;
}

// The whole number "%.0f" writes (both round half to even), without the text.
double WholeNumberOf(double value) { return std::nearbyint(value); }

// Rounds to quarter (roundMM 2) or half centimetres, working on whole tenths of a millimetre.
double RoundMillimetres(double mm, int roundMM) {
  if (roundMM == 0) return mm;
  const double tenths = WholeNumberOf(mm * 10.0);
  if (tenths < 10.0) return mm;  // a single digit has no centimetre position to round
  const double r = std::fmod(tenths, 100.0);
  double step;
  if (roundMM == 2) {
    step = r < 13 ? 0 : r < 38 ? 25 : r < 63 ? 50 : r < 88 ? 75 : 100;
  } else {
    step = r < 25 ? 0 : r < 75 ? 50 : 100;
  }
  return (tenths - r + step) / 10.0;
}

struct MeasureText {
  CString base;
  CString raised;  // millimetres written raised after the base ("m/cm" only)
};

// "m/cm": centimetres or metres, with the millimetres raised for 3 and more decimals. Base and
// raised digits come from the same rounded number, so that 1239.6 mm with 3 decimals is 1.24
// and 0 raised, never 1.23 and 0.
MeasureText FormatMetreCentimetre(int t, double mm, int decimals, bool trim, const CString& delimiter,
                                  bool from10) {
  MeasureText text;
  const bool centimetres = t != MEASURE_HEIGHT && mm / 1000.0 < (from10 ? 10.0 : 1.0);
  if (decimals < 3) {
    text.base = centimetres ? FormatNumber(mm / 10.0, 0) : FormatNumber(mm / 1000.0, 2, trim, delimiter);
    return text;
  }
  const bool tenths = decimals > 3;
  const double perCentimetre = tenths ? 100.0 : 10.0;
  const double units = WholeNumberOf(tenths ? mm * 10.0 : mm);
  const double cm = std::floor(units / perCentimetre);
  const int digits = static_cast<int>(units - cm * perCentimetre);
  // Millimetres with tenths are two characters ("05"), the second dropped when it is "0".
  if (tenths) {
    text.raised = CString(static_cast<wchar_t>(L'0' + digits / 10));
    if (digits % 10 != 0) text.raised += static_cast<wchar_t>(L'0' + digits % 10);
  } else {
    text.raised = CString(static_cast<wchar_t>(L'0' + digits));
  }
  text.base = centimetres ? FormatNumber(cm, 0) : FormatNumber(cm / 100.0, 2, trim, delimiter);
  return text;
}

bool ContainsNoCase(CString text, CString part) {
  text.MakeLower();
  part.MakeLower();
  return !part.IsEmpty() && text.Find(part) >= 0;
}

// Feet and inches through the host's unit formatter (engineering for the decimal form,
// architectural otherwise).
CString FormatFeetInch(double mm, const CString& unit, int decimals, bool trim, const CString& delimiter) {
  const double inches = mm / 25.4;
  const int mode = unit.CompareNoCase(GetResString(IDS_FEET_INCH_DECIMAL)) == 0 ? kLUnitsEngineering
                                                                                 : kLUnitsArchitectural;
  wchar_t buffer[kFeetInchBuffer] = {0};
  if (acdbRToS(inches, mode, decimals, buffer, kFeetInchBuffer) == RTNORM) return buffer;
  // A precision the formatter refuses still gives the length, in inches.
  return FormatNumber(inches, decimals, trim, delimiter) + L"\"";
}

MeasureText FormatByUnit(int t, double mm, const CString& unit, int decimals, const CStringArray& strings,
                         const CUIntArray& ints) {
  const bool trim = IntAt(ints, IND_I_TrimZero) != 0;
  const CString delimiter = StringAt(strings, IND_S_Delimiter);
  MeasureText text;
  if (unit.CompareNoCase(L"m/cm") == 0) {
    return FormatMetreCentimetre(t, mm, decimals, trim, delimiter, IntAt(ints, IND_I_MCmFrom10) != 0);
  }
  if (unit.CompareNoCase(L"m") == 0) {
    text.base = FormatNumber(mm / 1000.0, decimals, trim, delimiter);
  } else if (unit.CompareNoCase(L"cm") == 0) {
    text.base = FormatNumber(mm / 10.0, decimals, trim, delimiter);
  } else if (ContainsNoCase(unit, GetResString(IDS_FEET_INCH_MARK))) {
    text.base = FormatFeetInch(mm, unit, decimals, trim, delimiter);
  } else if (unit.CompareNoCase(GetResString(IDS_FEET)) == 0) {
    text.base = FormatNumber(mm / 304.8, decimals, trim, delimiter);
  } else {
    text.base = FormatNumber(mm, decimals, trim, delimiter);
  }
  return text;
}

bool HasNonZeroDigit(const CString& text) { return text.FindOneOf(L"123456789") >= 0; }

// The text after a leading "-" and the blanks that follow it; `negative` tells whether it was there.
CString WithoutSign(const wchar_t* text, bool& negative) {
  CString rest(text);
  negative = !rest.IsEmpty() && rest[0] == L'-';
  if (negative) rest = rest.Mid(1).TrimLeft(L" \t");
  return rest;
}

}  // namespace

CString FormatMeasure(int type, double value, CStringArray& strings, CUIntArray& ints,
                      CArray<double, double>& doubles) {
  CString result;
  if (!pGlobDimOptions) {
    result.Format(L"...<%f>", value);
    return result;
  }
  if (value == 0.0) return result;
  const int t = std::abs(type);
  // Every type shows the sign in front of the number; the magnitude is what is rounded and
  // split into metres and centimetres.
  const bool negative = value < 0;
  const double mm = std::fabs(value) / AcadUnitsOf(doubles);

  UnitChoice choice;
  if (type < 0) {
    choice = AlternateUnit(strings);
  } else {
    choice.unit = StringAt(strings, IND_S_Measure);
    choice.decimals = IntAt(ints, IND_I_Decimals);
  }
  const double rounded = RoundMillimetres(mm, IntAt(ints, IND_I_RoundMM));
  MeasureText text = FormatByUnit(t, rounded, choice.unit, choice.decimals, strings, ints);

  // A length that rounds to nothing is not negative: "-0.00" would only look like a fault.
  if (negative && (HasNonZeroDigit(text.base) || HasNonZeroDigit(text.raised))) text.base = L"-" + text.base;
  if (text.raised.IsEmpty()) return text.base;
  if (t == MEASURE_ACAD_DIM) {
    result.Format(L"\\A1;%s{\\H0.7x;\\S%s^;}", text.base.GetString(), text.raised.GetString());
    return result;
  }
  return text.base + L"^" + text.raised;
}

bool IsNumber(const wchar_t* text) {
  bool negative = false;
  const CString rest = WithoutSign(text, negative);
  if (rest.IsEmpty()) return false;
  bool digit = false;
  for (int k = 0; k < rest.GetLength(); ++k) {
    const wchar_t c = rest[k];
    if (c >= L'0' && c <= L'9') {
      digit = true;
    } else if (c != L'.' && c != L',') {
      return false;
    }
  }
  return digit;
}

double NumberOfText(const wchar_t* text) {
  bool negative = false;
  const double value = ParseNumber(WithoutSign(text, negative));
  return negative ? -value : value;
}
