// Number texts of the option files.
#include "settings/OptionNumbers.h"

#include <cwchar>

CString OptionIntText(int value) {
  CString text;
  text.Format(L"%d", value);
  return text;
}

CString OptionDoubleText(double value) {
  CString text;
  text.Format(L"%f", value);
  if (text.Find(L'.') >= 0) {
    text.TrimRight(L'0');
    text.TrimRight(L'.');
  }
  if (text.GetLength() > 1 && text[0] == L'-' && OptionTextToDouble(text) == 0.0) text = text.Mid(1);
  return text;
}

static double ReadNumber(const CString& text) {
  // wcstod follows the C locale, which the host keeps for number texts.
  return std::wcstod(text.GetString(), nullptr);
}

double OptionTextToDouble(const wchar_t* text) {
  CString value(text);
  value.Trim();
  if (value.Find(L',') >= 0) {
    value.Replace(L',', L'.');
    return ReadNumber(value);
  }
  double result = ReadNumber(value);
  if (result == 0.0 && value.Find(L'.') >= 0) {
    // A text written under a locale with a decimal comma may still carry it as a point.
    CString comma = value;
    comma.Replace(L'.', L',');
    result = ReadNumber(comma);
  }
  return result;
}

int OptionTextToInt(const wchar_t* text) {
  if (!text) return 0;
  long value = std::wcstol(text, nullptr, 10);
  if (value > 2147483647L) return 2147483647;
  if (value < -2147483647L - 1) return -2147483647 - 1;
  return static_cast<int>(value);
}
