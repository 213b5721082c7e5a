// The data exchange functions.
#include "host/mfc/DataExchange.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cwchar>
#include <vector>

#include "host/mfc/Exceptions.h"
#include "host/mfc/MessageBox.h"
#include "host/mfc/Transcript.h"
#include "host/mfc/Wnd.h"
#include "host/win/WideFormat.h"

namespace {

CString TextOf(HWND control) { return CString(IsWindow(control) ? control->text : std::wstring()); }

bool ParseLong(const CString& text, long long& value) {
  CString t = text;
  t.Trim();
  if (t.IsEmpty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  value = std::wcstoll(t.GetString(), &end, 10);
  return errno == 0 && end && *end == 0;
}

bool ParseDouble(const CString& text, double& value) {
  CString t = text;
  t.Trim();
  if (t.IsEmpty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  value = std::wcstod(t.GetString(), &end);
  return errno == 0 && end && *end == 0 && std::isfinite(value);
}

template <typename T>
void IntegerText(CDataExchange* dx, int id, T& value, long long lo, long long hi, const wchar_t* format) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!dx->m_bSaveAndValidate) {
    ::SetWindowTextW(control, zhost::FormatWide(format, value).c_str());
    return;
  }
  long long v = 0;
  if (!ParseLong(TextOf(control), v) || v < lo || v > hi) dx->Fail(L"Please enter an integer.");
  value = static_cast<T>(v);
}

void FloatText(CDataExchange* dx, int id, double& value, int digits) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!dx->m_bSaveAndValidate) {
    ::SetWindowTextW(control, zhost::FormatWide(L"%.*g", digits, value).c_str());
    return;
  }
  if (!ParseDouble(TextOf(control), value)) dx->Fail(L"Please enter a number.");
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
  if (!control) {
    zhost::TranscriptLine(L"[data exchange] the dialog has no control " + std::to_wstring(id) + L".");
    AfxThrowUserException();
  }
  m_hWndLastControl = control;
  return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) { return PrepareCtrl(id); }

void CDataExchange::Fail(const wchar_t* message) {
  if (message) AfxMessageBox(message, MB_ICONEXCLAMATION);
  if (m_bSaveAndValidate && IsWindow(m_hWndLastControl)) ::SetFocus(m_hWndLastControl);
  AfxThrowUserException();
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  HWND window = dx->PrepareCtrl(id);
  if (!control.SubclassWindow(window)) {
    zhost::TranscriptLine(L"[data exchange] control " + std::to_wstring(id) + L" already belongs to another object.");
    AfxThrowUserException();
  }
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (dx->m_bSaveAndValidate) value = TextOf(control);
  else ::SetWindowTextW(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) { IntegerText(dx, id, value, INT_MIN, INT_MAX, L"%d"); }
void DDX_Text(CDataExchange* dx, int id, UINT& value) { IntegerText(dx, id, value, 0, UINT_MAX, L"%u"); }
void DDX_Text(CDataExchange* dx, int id, long& value) { IntegerText(dx, id, value, LONG_MIN, LONG_MAX, L"%ld"); }
void DDX_Text(CDataExchange* dx, int id, double& value) { FloatText(dx, id, value, 15); }

void DDX_Text(CDataExchange* dx, int id, float& value) {
  double v = value;
  FloatText(dx, id, v, 6);
  value = static_cast<float>(v);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
  else ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value >= 0 && value <= 2 ? value : 0), 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  HWND first = dx->PrepareCtrl(id);
  std::vector<HWND> siblings = zhost::ChildWindows(::GetParent(first));
  std::vector<HWND> group;
  bool in = false;
  for (HWND w : siblings) {
    if (w == first) in = true;
    else if (in && (w->style & WS_GROUP)) break;
    if (in && w->className == L"Button") group.push_back(w);
  }
  if (dx->m_bSaveAndValidate) value = -1;
  for (size_t i = 0; i < group.size(); ++i) {
    if (dx->m_bSaveAndValidate) {
      if (::SendMessageW(group[i], BM_GETCHECK, 0, 0) == BST_CHECKED) value = static_cast<int>(i);
    } else {
      ::SendMessageW(group[i], BM_SETCHECK, static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) index = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
  else ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

static void ComboString(CDataExchange* dx, int id, CString& value, bool exact) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) {
    value = TextOf(control);
    return;
  }
  UINT find = exact ? CB_FINDSTRINGEXACT : CB_FINDSTRING;
  LRESULT at = ::SendMessageW(control, find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString()));
  if (at != CB_ERR) ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
  else if ((control->style & 3) != CBS_DROPDOWNLIST) ::SetWindowTextW(control, value);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) { ComboString(dx, id, value, false); }
void DDX_CBStringExact(CDataExchange* dx, int id, CString& value) { ComboString(dx, id, value, true); }

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) index = static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0));
  else ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* dx, int id, CString& value) {
  HWND control = dx->PrepareCtrl(id);
  if (!dx->m_bSaveAndValidate) {
    ::SendMessageW(control, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString()));
    return;
  }
  int at = static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0));
  if (at < 0) {
    value.Empty();
    return;
  }
  int length = static_cast<int>(::SendMessageW(control, LB_GETTEXTLEN, static_cast<WPARAM>(at), 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(control, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  value = CString(text);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
  if (!dx->m_bSaveAndValidate || value.GetLength() <= maxChars) return;
  dx->Fail(zhost::FormatWide(L"Enter no more than %d characters.", maxChars).c_str());
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minVal, int maxVal) {
  if (!dx->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  dx->Fail(zhost::FormatWide(L"Please enter an integer between %d and %d.", minVal, maxVal).c_str());
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minVal, UINT maxVal) {
  if (!dx->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  dx->Fail(zhost::FormatWide(L"Please enter an integer between %u and %u.", minVal, maxVal).c_str());
}

void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minVal, double maxVal) {
  if (!dx->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  dx->Fail(zhost::FormatWide(L"Please enter a number between %g and %g.", minVal, maxVal).c_str());
}
