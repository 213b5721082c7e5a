// Dialog data exchange in the MFC manner: CDataExchange and the DDX_/DDV_ functions that move
// values between a dialog's members and its controls. With m_bSaveAndValidate a field whose
// text does not convert shows a message box (the program's caption, exclamation icon), gets
// the focus and fails the exchange (CUserException), so UpdateData returns FALSE.
// Numbers are written and read in the C locale; doubles with 15 significant digits.
#pragma once

#include "host/mfc/CString.h"
#include "host/win/WinTypes.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;

  // The control with the id; a missing control is a fault of the program: the exchange fails
  // with a transcript line (not a message box).
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Tells the user (when `message` is given), focuses the last prepared control and throws.
  [[noreturn]] void Fail(const wchar_t* message = nullptr);

 private:
  HWND m_hWndLastControl = nullptr;
};

// Subclasses the control with the member the first time (a member already attached stays).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, float& value);
// Check state 0, 1 or 2.
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked button of the group that starts at `id`; -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// Saving: the edit text (the list text for a drop-down list). Loading: selects the first item
// that begins with the value, or (editable boxes) sets the text.
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_CBStringExact(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, CString& value);

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minVal, double maxVal);
