// Message boxes written to the transcript and answered from the script's queued answers.
#include "host/mfc/MessageBox.h"

#include <string>
#include <vector>

#include "host/mfc/CString.h"
#include "host/win/Console.h"
#include "host/win/TextCase.h"

namespace {

struct Button {
  int id;
  const wchar_t* name;
};

std::vector<Button> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, L"ok"}, {IDCANCEL, L"cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, L"abort"}, {IDRETRY, L"retry"}, {IDIGNORE, L"ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, L"yes"}, {IDNO, L"no"}, {IDCANCEL, L"cancel"}};
    case MB_YESNO: return {{IDYES, L"yes"}, {IDNO, L"no"}};
    case MB_RETRYCANCEL: return {{IDRETRY, L"retry"}, {IDCANCEL, L"cancel"}};
    case MB_CANCELTRYCONTINUE: return {{IDCANCEL, L"cancel"}, {IDTRYAGAIN, L"tryagain"}, {IDCONTINUE, L"continue"}};
    default: return {{IDOK, L"ok"}};
  }
}

const wchar_t* IconName(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONINFORMATION: return L"information";
    case MB_ICONWARNING: return L"warning";
    case MB_ICONERROR: return L"error";
    case MB_ICONQUESTION: return L"question";
    default: return L"none";
  }
}

std::wstring Trimmed(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return std::wstring();
  return s.substr(b, s.find_last_not_of(L" \t\r\n") - b + 1);
}

}  // namespace

int MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
  std::vector<Button> buttons = ButtonsOf(type);
  size_t def = (type & MB_DEFMASK) >> 8;
  if (def >= buttons.size()) def = 0;
  std::wstring title = caption ? caption : L"Error";
  std::wstring list;
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (i) list += L'/';
    list += buttons[i].name;
    if (i == def) list += L'*';
  }
  zhost::Console& console = zhost::Console::instance();
  console.print(L"\n[" + title + L"] (" + IconName(type) + L") " + (text ? text : L"") + L"\n");

  size_t chosen = def;
  bool answered = false;
  std::wstring answer;
  if (console.takeAnswer(L"messagebox", answer)) {
    std::wstring wanted = Trimmed(answer);
    for (size_t i = 0; i < buttons.size() && !answered; ++i)
      if (zhost::EqualsNoCase(wanted, buttons[i].name)) {
        chosen = i;
        answered = true;
      }
    if (!answered) console.print(L"[" + title + L"] answer \"" + answer + L"\" refused: not one of " + list + L"\n");
  }
  console.print(L"[" + title + L"] " + list + L" -> " + buttons[chosen].name + (answered ? L"" : L" (default)") + L"\n");
  return buttons[chosen].id;
}

int AfxMessageBox(LPCWSTR text, UINT type, UINT) { return MessageBoxW(nullptr, text, L"zhost", type); }

int AfxMessageBox(UINT promptId, UINT type, UINT) {
  CString text;
  if (!text.LoadString(promptId)) text.Format(L"(missing string resource %u)", promptId);
  return AfxMessageBox(text, type);
}
