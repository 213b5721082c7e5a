// Writing and reading number texts.
#include "acadobjects/NumberFormat.h"

#include <cmath>
#include <cwchar>

#include "host/win/Crt.h"

namespace {

bool HasDecimalSeparator(const CString& text) { return text.Find(L'.') >= 0 || text.Find(L',') >= 0; }

// Reads the leading number of `text` in the C locale; unreadable and non-finite texts are 0, so
// that "nan" or "1e999" typed into a field never reaches the geometry.
double ReadNumber(const CString& text) {
  const double value = std::wcstod(text.GetString(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

bool ReadsAsZero(const CString& text) { return std::wcstod(text.GetString(), nullptr) == 0.0; }

void DropTrailingZeros(CString& text) {
  if (!HasDecimalSeparator(text)) return;
  text.TrimRight(L'0');
  const int last = text.GetLength() - 1;
  if (last >= 0 && (text[last] == L'.' || text[last] == L',')) text = text.Left(last);
}

void ApplySeparator(CString& text, const wchar_t* separator) {
  if (!separator || !*separator) return;
  const CString sep(separator);
  if (sep != L",") text.Replace(L",", separator);
  if (sep != L".") text.Replace(L".", separator);
}

}  // namespace

CString FormatNumber(double value, int decimals, bool trimZeros, const wchar_t* separator) {
  const bool fixedDecimals = decimals >= 0 && decimals <= kMaxFixedDecimals;
  CString text;
  if (fixedDecimals) {
    CString format;
    format.Format(L"%%.%df", decimals);
    text.Format(format, value);
  } else {
    text.Format(L"%f", value);
  }
  if (trimZeros || !fixedDecimals) DropTrailingZeros(text);
  // "-0.00" and, after trimming, "-0" are zero: a sign there would only look like a fault.
  if (text.GetLength() > 1 && text[0] == L'-' && ReadsAsZero(text.Mid(1))) text = text.Mid(1);
  ApplySeparator(text, separator);
  return text;
}

double ParseNumber(const wchar_t* text) {
  CString number(text);
  number.Trim();
  if (number.IsEmpty()) return 0.0;

  const int lastComma = number.ReverseFind(L',');
  const int lastPoint = number.ReverseFind(L'.');
  // With both separators the last one is the decimal separator and the other groups digits.
  if (lastComma >= 0 && lastPoint >= 0) number.Remove(lastComma > lastPoint ? L'.' : L',');
  number.Replace(L',', L'.');
  return ReadNumber(number);
}

int ParseInt(const wchar_t* text) { return text ? _wtoi(text) : 0; }
