// Window-position records.
#include "settings/WindowPosition.h"

#include "host/win/Window.h"
#include "settings/IniFiles.h"
#include "settings/OptionNumbers.h"

CString FormatWindowRecord(int left, int top, int width, int height, bool maximised) {
  CString record;
  record.Format(L"%d,%d,%d,%d,%d", left, top, width, height, maximised ? 1 : 0);
  return record;
}

bool ParseWindowRecord(const wchar_t* text, int& left, int& top, int& width, int& height, bool& maximised) {
  CString record(text);
  int numbers[5] = {0, 0, 0, 0, 0};
  int count = 0;
  int start = 0;
  for (CString token = record.Tokenize(L",", start); start >= 0 && count < 5; token = record.Tokenize(L",", start)) {
    numbers[count++] = OptionTextToInt(token.Trim());
  }
  if (count < 5) return false;
  left = numbers[0];
  top = numbers[1];
  width = numbers[2];
  height = numbers[3];
  maximised = numbers[4] == 1;
  return true;
}

bool SaveWindowPosition(const wchar_t* key, HWND window) {
  if (!window || !IsWindow(window) || IsIconic(window)) return false;
  bool maximised = IsZoomed(window) != FALSE;
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  WINDOWPLACEMENT placement;
  // A maximised window keeps the place it returns to, not the screen it fills.
  if (maximised && GetWindowPlacement(window, &placement)) rect = placement.rcNormalPosition;
  CString record = FormatWindowRecord(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                      maximised);
  WriteGeneralInfoString(key, record);
  return true;
}

bool RestoreWindowPosition(const wchar_t* key, HWND window, bool keepSize) {
  if (!window || !IsWindow(window)) return false;
  int left, top, width, height;
  bool maximised;
  if (!ParseWindowRecord(ReadGeneralInfoString(key), left, top, width, height, maximised)) return false;
  if (maximised) {
    ShowWindow(window, SW_MAXIMIZE);
    return true;
  }
  if (keepSize) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }
  if (left >= 1000 || top >= 1000) return false;
  if (width < 21 || width >= 2000 || height < 21 || height >= 2000) return false;
  MoveWindow(window, left, top, width, height, TRUE);
  return true;
}
