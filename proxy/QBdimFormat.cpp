// The texts a chain shows: the measurement of each segment with its user, prefix, suffix and
// alternate texts, the sum, the chain label, and the per-chain switches of sum, text background
// and alternate units.
#include <cmath>

#include "acadobjects/MeasureFormat.h"
#include "acadobjects/NumberFormat.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

namespace {

const int kChainLabelIndex = -100;

int IntAt(const CUIntArray& ints, int k) { return k >= 0 && k < ints.GetSize() ? static_cast<int>(ints[k]) : 0; }

CString StringAt(const CStringArray& strings, int k) {
  return k >= 0 && k < strings.GetSize() ? strings[k] : CString();
}

// A chain's status word (1 on, 2 off, anything else: the global switch) over a global switch.
bool ChainSwitch(const CUIntArray& chainInts, int statusIndex, int globalIndex) {
  const int status = IntAt(chainInts, statusIndex);
  if (status == 1) return true;
  if (status == 2) return false;
  if (!pGlobDimOptions) return true;
  return IntAt(pGlobDimOptions->arrayOptInt, globalIndex) != 0;
}

// The alternate-text format: the option object's, or the one of the chain's option file.
CString AlternateFormat(const CStringArray& strings) {
  const CString file = StringAt(strings, IND_S_IniFile);
  if (!file.IsEmpty()) return ReadEntryFromIni(file, SECTION_GENERAL_INFO, L"AltFormat");
  return pGlobDimOptions ? StringAt(pGlobDimOptions->arrayOptString, IND_OPT_S_AltFormat) : CString();
}

// The format with its placeholder ("#", else "9", else at the end) replaced by `value`. Every
// "%" is a blank, so no format character of the user's text reaches a printf.
CString ApplyAlternateFormat(CString format, const CString& value) {
  format.Replace(L"%", L" ");
  if (format.Find(L'#') >= 0) {
    format.Replace(L"#", value);
  } else if (format.Find(L'9') >= 0) {
    format.Replace(L"9", value);
  } else {
    format += value;
  }
  return format;
}

}  // namespace

CString QBdim::FormatSegment(double value) {
  return FormatMeasure(MEASURE_CHAIN, value, arrayString, arrayInt, arrayDouble);
}

CString QBdim::GetDimText(int i) {
  if (i < 0) return L"000";
  const int n = GetExtensions();
  if (i == n) {
    double sum = 0.0;
    for (int k = 1; k < n; ++k) sum += GetDistance(k);
    return FormatSegment(sum);
  }
  if (i >= arrayText.GetSize()) {
    // A missing record is made, but no existing one is overwritten.
    if (n - 1 >= arrayText.GetSize()) arrayText.SetAtGrow(n - 1, CString());
    return L"???";
  }
  CStringArray fields;
  GetDimTextArray(i, fields);
  const CString user = fields.GetSize() > 1 ? fields[1] : CString();
  if (!user.IsEmpty()) return IsNumber(user) ? FormatSegment(NumberOfText(user)) : user;
  if (fields.GetSize() == 0) return CString();
  const int hash = fields[0].Find(L'#');
  return hash < 0 ? fields[0] : fields[0].Left(hash);
}

int QBdim::GetTextLines(int i, CStringArray& lines, AppendingText* app) {
  lines.RemoveAll();
  CString main;
  CString alt;
  if (app) {
    const bool showValue = app->iPosition != 0 && app->dValue > 0 && app->strText.Find(L'^') < 0;
    main = showValue ? FormatSegment(app->dValue) : app->strText;
  } else {
    if (i == kChainLabelIndex) {
      lines.Add(GetChainLabel());
      return 0;
    }
    const CString prefix = GetPrefixText(i);
    main = GetDimText(i);
    const CString suffix = GetSuffixText(i);
    const int n = GetExtensions();
    if (IsAltUnits() && !main.IsEmpty()) {
      const CString format = AlternateFormat(arrayString);
      if (!format.IsEmpty()) {
        // The alternate text shows the length the main text stands for, taken from the values
        // (not read back from the text, whose unit may differ from the drawing unit).
        double value = 0.0;
        const CString user = i < n ? GetUserText(i) : CString();
        if (i == n) {
          for (int k = 1; k < n; ++k) value += GetDistance(k);
        } else if (!user.IsEmpty()) {
          value = IsNumber(user) ? NumberOfText(user) : 0.0;
        } else if (i < n) {
          value = GetDistance(i);
        }
        const CString measure = FormatMeasure(-MEASURE_CHAIN, value, arrayString, arrayInt, arrayDouble);
        if (!measure.IsEmpty()) alt = ApplyAlternateFormat(format, measure);
      }
    }
    if (!suffix.IsEmpty()) alt = alt.IsEmpty() ? suffix : alt + L" " + suffix;
    if (IsFullCircleInput()) main = L"U=" + main;
    if (!prefix.IsEmpty()) main = prefix + L" " + main;
  }

  lines.Add(alt.IsEmpty() ? main : main + L" " + alt);
  const int caret = main.Find(L'^');
  if (main.Find(L'\\') >= 0 || caret < 0) return 0;
  const CString raised = main.Mid(caret + 1);
  if (raised.IsEmpty()) return 0;
  lines[0] = main.Left(caret);
  lines.Add(raised);
  if (!alt.IsEmpty()) lines.Add(L" " + alt);
  return 1;
}

CString QBdim::GetChainLabel() const {
  const CString description = StringAt(arrayString, IND_S_DimDescription);
  return description.GetLength() > 1 ? description.Mid(1) : CString();
}

int QBdim::GetChainLabelPosition() const {
  const CString description = StringAt(arrayString, IND_S_DimDescription);
  return description.GetLength() > 1 ? ParseInt(description.Left(1)) : 0;
}

int QBdim::IsUserTextOutOfTolerance(int i) {
  if (i < 1 || i >= arrayText.GetSize() || !pGlobDimOptions) return 0;
  const CString user = GetUserText(i);
  if (user.IsEmpty() || !IsNumber(user)) return 0;
  const CArray<double, double>& global = pGlobDimOptions->dimSet.arrayDouble;
  const double tolerance =
      ScaledSize(IND_D_UserTextTolerance < global.GetSize() ? global[IND_D_UserTextTolerance] : 0.0);
  return std::fabs(NumberOfText(user) - GetDistance(i)) > tolerance ? 1 : 0;
}

double QBdim::ParseDimText(const wchar_t* text) {
  CString number(text);
  if (number.Find(L'^') >= 0) {
    if (number.FindOneOf(L".,") >= 0) {
      number.Remove(L'^');
    } else {
      number.Replace(L'^', L'.');
    }
  }
  return ParseNumber(number);
}

bool QBdim::IsMCm() const { return StringAt(arrayString, IND_S_Measure).CompareNoCase(L"m/cm") == 0; }

bool QBdim::IsShowSum() const { return ChainSwitch(arrayInt, IND_I_SumStatus, IND_OPT_B_ShowSumOfDim); }

bool QBdim::IsWipeOut() const { return ChainSwitch(arrayInt, IND_I_WipeOutStatus, IND_OPT_B_WipeOut); }

bool QBdim::IsAltUnits() const { return ChainSwitch(arrayInt, IND_I_AltUnitsStatus, IND_OPT_B_AltUnits); }
