// Message boxes with the product caption and the ESC check.
#include "acadobjects/Messages.h"

#include <cstdarg>
#include <string>

#include "frame/MainPalette.h"
#include "frame/ProductTitle.h"
#include "frame/ResourceString.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/CString.h"
#include "host/mfc/MessageBox.h"
#include "host/win/Files.h"
#include "host/win/KeyState.h"
#include "host/win/WideFormat.h"
#include "host/win/Window.h"
#include "settings/DebugLog.h"

namespace {

const UINT IDS_CONFIRM_OVERWRITE = 32808;  // German "Datei '%s' überschreiben?"
const UINT IDS_ASK_CANCEL = 7107;          // German "Wollen Sie die Operation wirklich abbrechen?"

std::wstring LimitedText(const wchar_t* format, va_list args) {
  if (!format) return std::wstring();
  std::wstring text = zhost::FormatWideV(format, args);
  if (text.size() > static_cast<size_t>(kMessageTextLimit)) text.resize(kMessageTextLimit);
  return text;
}

int ShowBox(const wchar_t* text, UINT type) { return MessageBoxW(MessageOwner(), text, kProductTitle, type); }

}  // namespace

HWND MessageOwner() {
  if (dlgMyApp) {
    HWND active = GetActiveWindow();
    if (active) return active;
  }
  return adsw_acadMainWnd();
}

void ShowMessage(const wchar_t* text) {
  if (!text || !*text) return;
  ShowBox(text, MB_OK | MB_ICONINFORMATION);
}

void ShowMessageFormat(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const std::wstring text = LimitedText(format, args);
  va_end(args);
  ShowMessage(text.c_str());
}

void ShowMessageId(UINT id) {
  const CString text = GetResString(id);
  if (text.IsEmpty()) {
    TraceMsgF(L"ShowMessageId: no string resource %u\n", id);
    return;
  }
  ShowMessage(text);
}

bool AskYesNo(const wchar_t* text) { return ShowBox(text ? text : L"", MB_YESNO | MB_ICONQUESTION) == IDYES; }

bool AskYesNoFormat(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const std::wstring text = LimitedText(format, args);
  va_end(args);
  return AskYesNo(text.c_str());
}

bool ConfirmOverwrite(const wchar_t* path) {
  if (!path || !*path || GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return true;
  const CString question = GetResString(IDS_CONFIRM_OVERWRITE);
  return AskYesNo(zhost::FormatWide(question, path).c_str());
}

bool IsEscapePressed() {
  // The low bit counts a stroke between two checks, which a quick press would otherwise miss.
  return (GetAsyncKeyState(VK_ESCAPE) & 0x8001) != 0;
}

bool AskCancel() { return IsEscapePressed() && AskYesNo(GetResString(IDS_ASK_CANCEL)); }
