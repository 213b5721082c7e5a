// The "Edit" class: text, limit, read-only, modified flag and selection; EN_UPDATE and EN_CHANGE
// when the text is set (not for multi-line edits set through WM_SETTEXT, as Windows does it),
// EN_SETFOCUS and EN_KILLFOCUS as the focus comes and goes.
#include <cwctype>
#include <memory>

#include "host/win/ControlWindows.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"

namespace zhost {

namespace {

struct EditState {
  int limit = 0;  // 0: no limit of its own
  bool modified = false;
  DWORD selStart = 0;
  DWORD selEnd = 0;
};

void Changed(HWND w) {
  NotifyParent(w, EN_UPDATE);
  if (IsWindow(w)) NotifyParent(w, EN_CHANGE);
}

LRESULT UserType(HWND w, EditState& s, const wchar_t* typed) {
  if (!IsWindowEnabled(w) || (w->style & ES_READONLY)) return FALSE;
  std::wstring text = typed ? typed : L"";
  bool cut = s.limit > 0 && text.size() > static_cast<size_t>(s.limit);
  if (cut) text.resize(static_cast<size_t>(s.limit));
  if (w->style & ES_UPPERCASE)
    for (auto& c : text) c = static_cast<wchar_t>(towupper(static_cast<wint_t>(c)));
  if (w->style & ES_LOWERCASE)
    for (auto& c : text) c = static_cast<wchar_t>(towlower(static_cast<wint_t>(c)));
  w->text = text;
  s.modified = true;
  s.selStart = s.selEnd = static_cast<DWORD>(text.size());
  Changed(w);
  if (cut && IsWindow(w)) NotifyParent(w, EN_MAXTEXT);
  return TRUE;
}

LRESULT EditProc(const std::shared_ptr<EditState>& state, HWND w, UINT m, WPARAM wp, LPARAM lp) {
  EditState& s = *state;
  switch (m) {
    case WM_SETTEXT: {
      DefWindowProcW(w, m, wp, lp);
      s.modified = false;
      s.selStart = s.selEnd = 0;
      if (!(w->style & ES_MULTILINE)) Changed(w);
      return TRUE;
    }
    case EM_LIMITTEXT: s.limit = static_cast<int>(wp); return 0;
    case EM_GETLIMITTEXT: return s.limit > 0 ? s.limit : 0x7FFFFFFE;
    case EM_SETREADONLY:
      if (wp) w->style |= ES_READONLY;
      else w->style &= ~static_cast<DWORD>(ES_READONLY);
      return TRUE;
    case EM_GETMODIFY: return s.modified ? TRUE : FALSE;
    case EM_SETMODIFY: s.modified = wp != 0; return 0;
    case EM_SETSEL: {
      long length = static_cast<long>(w->text.size());
      long a = static_cast<long>(static_cast<intptr_t>(wp)), b = static_cast<long>(lp);
      if (a < 0) a = b = 0;  // -1 removes the selection
      if (b < 0 || b > length) b = length;
      if (a > length) a = length;
      s.selStart = static_cast<DWORD>(a < b ? a : b);
      s.selEnd = static_cast<DWORD>(a < b ? b : a);
      return 0;
    }
    case EM_GETSEL:
      if (wp) *reinterpret_cast<DWORD*>(wp) = s.selStart;
      if (lp) *reinterpret_cast<DWORD*>(lp) = s.selEnd;
      return MAKELONG(s.selStart, s.selEnd);
    case ZHM_USERTYPE: return UserType(w, s, reinterpret_cast<const wchar_t*>(lp));
    case WM_SETFOCUS: NotifyParent(w, EN_SETFOCUS); return 0;
    case WM_KILLFOCUS: NotifyParent(w, EN_KILLFOCUS); return 0;
    default: return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

void InstallEditClass(HWND window) {
  auto state = std::make_shared<EditState>();
  window->proc = [state](HWND w, UINT m, WPARAM wp, LPARAM lp) { return EditProc(state, w, m, wp, lp); };
}

}  // namespace zhost
