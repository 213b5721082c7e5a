// Menu handles, the menu functions, CMenu and pop-up menus answered from the script.
#include "host/mfc/Menu.h"

#include <algorithm>
#include <map>
#include <memory>

#include "host/mfc/Resources.h"
#include "host/mfc/ScriptActions.h"
#include "host/mfc/Transcript.h"
#include "host/mfc/Wnd.h"
#include "host/win/Console.h"
#include "host/win/TextCase.h"

namespace {

struct MenuRegistry {
  std::map<HMENU, std::unique_ptr<HMENU__>> menus;
  std::map<HWND, HMENU> windowMenus;
  std::map<HMENU, std::unique_ptr<CMenu>> temporaries;
};

void ForgetWindow(HWND window);

MenuRegistry& Registry() {
  static auto* registry = [] {
    zhost::AddWindowDestroyHook(&ForgetWindow);
    return new MenuRegistry;  // never destroyed: menus may outlive statics
  }();
  return *registry;
}

// A window's menu is destroyed with the window, as Windows does it.
void ForgetWindow(HWND window) {
  auto& menus = Registry().windowMenus;
  auto it = menus.find(window);
  if (it == menus.end()) return;
  HMENU menu = it->second;
  menus.erase(it);
  DestroyMenu(menu);
}

HMENU NewMenu(bool popup) {
  auto menu = std::make_unique<HMENU__>();
  menu->isPopup = popup;
  HMENU handle = menu.get();
  Registry().menus.emplace(handle, std::move(menu));
  return handle;
}

bool Live(HMENU menu) { return menu && Registry().menus.count(menu) > 0; }

// The item at a position, or (MF_BYCOMMAND) with the id anywhere in the menu tree; `owner`
// receives the menu that holds it and `index` its position there.
HMENU__::Item* FindItem(HMENU menu, UINT item, UINT flags, HMENU* owner = nullptr, size_t* index = nullptr) {
  if (!Live(menu)) return nullptr;
  if (flags & MF_BYPOSITION) {
    if (item >= menu->items.size()) return nullptr;
    if (owner) *owner = menu;
    if (index) *index = item;
    return &menu->items[item];
  }
  for (size_t i = 0; i < menu->items.size(); ++i) {
    HMENU__::Item& it = menu->items[i];
    if (!(it.flags & MF_POPUP) && !(it.flags & MF_SEPARATOR) && it.id == item) {
      if (owner) *owner = menu;
      if (index) *index = i;
      return &it;
    }
    if (it.flags & MF_POPUP)
      if (HMENU__::Item* found = FindItem(it.popup, item, flags, owner, index)) return found;
  }
  return nullptr;
}

HMENU__::Item MakeItem(UINT flags, UINT_PTR item, LPCWSTR text) {
  HMENU__::Item it;
  it.flags = flags & ~static_cast<UINT>(MF_BYPOSITION | MF_CHANGE | MF_APPEND | MF_DELETE | MF_REMOVE);
  if (flags & MF_POPUP) it.popup = reinterpret_cast<HMENU>(item);
  else it.id = static_cast<UINT>(item);
  if (!(flags & MF_SEPARATOR) && !(flags & (MF_BITMAP | MF_OWNERDRAW))) it.text = text ? text : L"";
  if (it.popup && Live(it.popup)) it.popup->isPopup = true;
  return it;
}

void AddItems(HMENU menu, const std::vector<zhost::MenuItemTemplate>& items) {
  for (const auto& t : items) {
    if (t.separator) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = t.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK | MF_HELP);
    if (!t.popup) {
      AppendMenuW(menu, MF_STRING | flags, t.id, t.text.c_str());
      continue;
    }
    HMENU sub = NewMenu(true);
    AddItems(sub, t.items);
    AppendMenuW(menu, MF_POPUP | flags, reinterpret_cast<UINT_PTR>(sub), t.text.c_str());
  }
}

std::wstring Trimmed(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return std::wstring();
  return s.substr(b, s.find_last_not_of(L" \t\r\n") - b + 1);
}

bool IsNumber(const std::wstring& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

const HMENU__::Item* FindByText(HMENU menu, const std::wstring& text) {
  if (!Live(menu)) return nullptr;
  for (const auto& it : menu->items) {
    if (it.flags & MF_SEPARATOR) continue;
    if (zhost::EqualsNoCase(zhost::PlainMenuText(it.text), text)) return &it;
    if (it.flags & MF_POPUP)
      if (const HMENU__::Item* found = FindByText(it.popup, text)) return found;
  }
  return nullptr;
}

bool IsGrey(UINT flags) { return (flags & (MF_GRAYED | MF_DISABLED)) != 0; }

// The answer for a pop-up menu: queued, or from the script's next actions while it waits.
int g_waitingPopups = 0;

bool TakeMenuAnswer(std::wstring& answer) {
  zhost::Console& console = zhost::Console::instance();
  if (console.takeAnswer(L"menu", answer)) return true;
  struct Waiting {
    Waiting() { ++g_waitingPopups; }
    ~Waiting() { --g_waitingPopups; }
  } waiting;
  while (zhost::RunNextScriptAction())
    if (console.takeAnswer(L"menu", answer)) return true;
  return false;
}

}  // namespace

HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU menu) {
  if (!Live(menu)) return FALSE;
  MenuRegistry& r = Registry();
  std::vector<HMENU> popups;
  for (auto& it : menu->items)
    if (it.flags & MF_POPUP) popups.push_back(it.popup);
  auto temp = r.temporaries.find(menu);
  if (temp != r.temporaries.end()) {
    temp->second->m_hMenu = nullptr;
    r.temporaries.erase(temp);
  }
  for (auto it = r.windowMenus.begin(); it != r.windowMenus.end();)
    it = it->second == menu ? r.windowMenus.erase(it) : std::next(it);
  r.menus.erase(menu);
  for (HMENU popup : popups) DestroyMenu(popup);
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return Live(menu) ? TRUE : FALSE; }

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, LPCWSTR text) {
  if (!Live(menu)) return FALSE;
  menu->items.push_back(MakeItem(flags, item, text));
  return TRUE;
}

BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
  if (!Live(menu)) return FALSE;
  HMENU owner = menu;
  size_t index = menu->items.size();
  if (position != static_cast<UINT>(-1) && !FindItem(menu, position, flags, &owner, &index)) {
    if (!(flags & MF_BYPOSITION)) return FALSE;
    index = menu->items.size();  // beyond the end: appended, as Windows does
  }
  owner->items.insert(owner->items.begin() + static_cast<long>(index), MakeItem(flags, item, text));
  return TRUE;
}

BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
  HMENU__::Item* it = FindItem(menu, position, flags);
  if (!it) return FALSE;
  HMENU oldPopup = (it->flags & MF_POPUP) ? it->popup : nullptr;
  *it = MakeItem(flags, item, text);
  if (oldPopup && oldPopup != it->popup) DestroyMenu(oldPopup);
  return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
  HMENU owner = nullptr;
  size_t index = 0;
  if (!FindItem(menu, position, flags, &owner, &index)) return FALSE;
  owner->items.erase(owner->items.begin() + static_cast<long>(index));
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
  HMENU owner = nullptr;
  size_t index = 0;
  HMENU__::Item* it = FindItem(menu, position, flags, &owner, &index);
  if (!it) return FALSE;
  HMENU popup = (it->flags & MF_POPUP) ? it->popup : nullptr;
  owner->items.erase(owner->items.begin() + static_cast<long>(index));
  if (popup) DestroyMenu(popup);
  return TRUE;
}

HMENU GetSubMenu(HMENU menu, int position) {
  if (!Live(menu) || position < 0 || static_cast<size_t>(position) >= menu->items.size()) return nullptr;
  const auto& it = menu->items[static_cast<size_t>(position)];
  return (it.flags & MF_POPUP) ? it.popup : nullptr;
}

int GetMenuItemCount(HMENU menu) { return Live(menu) ? static_cast<int>(menu->items.size()) : -1; }

UINT GetMenuItemID(HMENU menu, int position) {
  if (!Live(menu) || position < 0 || static_cast<size_t>(position) >= menu->items.size()) return static_cast<UINT>(-1);
  const auto& it = menu->items[static_cast<size_t>(position)];
  if (it.flags & MF_POPUP) return static_cast<UINT>(-1);
  return (it.flags & MF_SEPARATOR) ? 0 : it.id;
}

int GetMenuStringW(HMENU menu, UINT item, LPWSTR buffer, int size, UINT flags) {
  const HMENU__::Item* it = FindItem(menu, item, flags);
  if (!it) {
    if (buffer && size > 0) buffer[0] = 0;
    return 0;
  }
  if (!buffer || size <= 0) return static_cast<int>(it->text.size());
  size_t n = std::min(it->text.size(), static_cast<size_t>(size - 1));
  it->text.copy(buffer, n);
  buffer[n] = 0;
  return static_cast<int>(n);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
  HMENU__::Item* it = FindItem(menu, item, check);
  if (!it) return static_cast<DWORD>(-1);
  DWORD previous = it->flags & MF_CHECKED;
  it->flags = (it->flags & ~static_cast<UINT>(MF_CHECKED)) | (check & MF_CHECKED);
  return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
  HMENU__::Item* it = FindItem(menu, item, enable);
  if (!it) return -1;
  BOOL previous = static_cast<BOOL>(it->flags & (MF_GRAYED | MF_DISABLED));
  it->flags = (it->flags & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return previous;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  const HMENU__::Item* it = FindItem(menu, item, flags);
  if (!it) return static_cast<UINT>(-1);
  UINT state = it->flags & ~static_cast<UINT>(MF_POPUP);
  if (it->flags & MF_POPUP) state |= MF_POPUP | (static_cast<UINT>(GetMenuItemCount(it->popup)) << 8);
  return state;
}

BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info) {
  const HMENU__::Item* it = FindItem(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (!it || !info) return FALSE;
  if (info->fMask & MIIM_ID) info->wID = it->id;
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = (it->flags & MF_POPUP) ? it->popup : nullptr;
  if (info->fMask & MIIM_STATE) info->fState = (IsGrey(it->flags) ? MFS_GRAYED : 0) | (it->flags & MF_CHECKED);
  if (info->fMask & MIIM_FTYPE) info->fType = it->flags & MF_SEPARATOR;
  if (info->fMask & MIIM_DATA) info->dwItemData = it->data;
  if (info->fMask & MIIM_STRING) {
    if (info->dwTypeData && info->cch > 0) {
      size_t n = std::min(it->text.size(), static_cast<size_t>(info->cch - 1));
      it->text.copy(info->dwTypeData, n);
      info->dwTypeData[n] = 0;
    }
    info->cch = static_cast<UINT>(it->text.size());
  }
  return TRUE;
}

BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info) {
  HMENU__::Item* it = FindItem(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (!it || !info) return FALSE;
  if (info->fMask & MIIM_ID) it->id = info->wID;
  if (info->fMask & MIIM_STATE)
    it->flags = (it->flags & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED | MF_CHECKED)) |
                ((info->fState & MFS_GRAYED) ? MF_GRAYED : 0) | (info->fState & MF_CHECKED);
  if (info->fMask & MIIM_FTYPE)
    it->flags = (it->flags & ~static_cast<UINT>(MF_SEPARATOR)) | (info->fType & MFT_SEPARATOR);
  if (info->fMask & MIIM_DATA) it->data = info->dwItemData;
  if (info->fMask & MIIM_STRING) it->text = info->dwTypeData ? info->dwTypeData : L"";
  return TRUE;
}

HMENU GetMenu(HWND window) {
  if (!IsWindow(window)) return nullptr;
  auto& menus = Registry().windowMenus;
  auto it = menus.find(window);
  return it != menus.end() && Live(it->second) ? it->second : nullptr;
}

BOOL SetMenu(HWND window, HMENU menu) {
  if (!IsWindow(window) || (menu && !Live(menu))) return FALSE;
  auto& menus = Registry().windowMenus;
  for (auto it = menus.begin(); it != menus.end();) it = IsWindow(it->first) ? std::next(it) : menus.erase(it);
  if (menu) menus[window] = menu;
  else menus.erase(window);
  return TRUE;
}

BOOL DrawMenuBar(HWND window) { return IsWindow(window); }

BOOL TrackPopupMenu(HMENU menu, UINT flags, int, int, int, HWND owner, const RECT*) {
  if (!Live(menu)) return FALSE;
  zhost::TranscriptLine(L"[popup menu]");
  for (const std::wstring& line : zhost::DescribeMenuItems(menu)) zhost::TranscriptLine(line);
  std::wstring answer;
  UINT chosen = 0;
  if (!TakeMenuAnswer(answer)) {
    zhost::TranscriptLine(L"[popup menu] -> cancelled (no answer)");
  } else if (const HMENU__::Item* it = zhost::FindMenuAnswer(menu, answer)) {
    if (IsGrey(it->flags)) {
      zhost::TranscriptLine(L"[popup menu] answer " + zhost::Quoted(answer) + L" refused: the item is grey");
      zhost::TranscriptLine(L"[popup menu] -> cancelled");
    } else {
      chosen = it->id;
      zhost::TranscriptLine(L"[popup menu] -> " + std::to_wstring(it->id) + L" " + zhost::PlainMenuText(it->text));
    }
  } else {
    zhost::TranscriptLine(L"[popup menu] answer " + zhost::Quoted(answer) + L" refused: no such command in the menu");
    zhost::TranscriptLine(L"[popup menu] -> cancelled");
  }
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen && IsWindow(owner)) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return TRUE;
}

HMENU LoadMenuW(HINSTANCE module, LPCWSTR name) {
  UINT_PTR id = reinterpret_cast<UINT_PTR>(name);
  if (id == 0 || id > 0xFFFF) return nullptr;  // named menu resources are not kept
  const auto& menus = zhost::ModuleResources(module)->menus;
  auto it = menus.find(static_cast<UINT>(id));
  return it == menus.end() ? nullptr : zhost::BuildMenu(it->second);
}

namespace zhost {

HMENU BuildMenu(const MenuTemplate& menu, bool popup) {
  HMENU handle = NewMenu(popup);
  AddItems(handle, menu.items);
  return handle;
}

bool PopupMenuIsWaiting() { return g_waitingPopups > 0; }

std::wstring PlainMenuText(const std::wstring& text) {
  std::wstring plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\t') break;
    if (text[i] == L'&') {
      if (i + 1 < text.size() && text[i + 1] == L'&') plain += L'&', ++i;
      continue;
    }
    plain += text[i];
  }
  return Trimmed(plain);
}

const HMENU__::Item* FindMenuAnswer(HMENU menu, const std::wstring& answer) {
  std::wstring wanted = Trimmed(answer);
  if (wanted.size() >= 2 && wanted.front() == L'"' && wanted.back() == L'"') wanted = wanted.substr(1, wanted.size() - 2);
  if (IsNumber(wanted)) {
    UINT id = static_cast<UINT>(std::wcstoul(wanted.c_str(), nullptr, 10));
    if (id != 0) return FindItem(menu, id, MF_BYCOMMAND);
  }
  const HMENU__::Item* found = FindByText(menu, PlainMenuText(wanted));
  return found && !(found->flags & MF_POPUP) ? found : nullptr;
}

std::vector<std::wstring> DescribeMenuItems(HMENU menu, int indent) {
  std::vector<std::wstring> lines;
  if (!Live(menu)) return lines;
  std::wstring pad(static_cast<size_t>(indent), L' ');
  for (const auto& it : menu->items) {
    if (it.flags & MF_SEPARATOR) {
      lines.push_back(pad + L"----");
      continue;
    }
    std::wstring marks = std::wstring(it.flags & MF_CHECKED ? L" [x]" : L"") + (IsGrey(it.flags) ? L" (grey)" : L"");
    if (it.flags & MF_POPUP) {
      lines.push_back(pad + PlainMenuText(it.text) + L" >" + marks);
      for (auto& sub : DescribeMenuItems(it.popup, indent + 2)) lines.push_back(sub);
      continue;
    }
    lines.push_back(pad + std::to_wstring(it.id) + L" " + PlainMenuText(it.text) + marks);
  }
  return lines;
}

}  // namespace zhost

CMenu::~CMenu() {
  if (m_hMenu) ::DestroyMenu(m_hMenu);
}

CMenu* CMenu::FromHandle(HMENU menu) {
  if (!Live(menu)) return nullptr;
  auto& temps = Registry().temporaries;
  auto it = temps.find(menu);
  if (it != temps.end()) return it->second.get();
  auto wrapper = std::make_unique<CMenu>();
  wrapper->m_hMenu = menu;
  CMenu* raw = wrapper.get();
  temps.emplace(menu, std::move(wrapper));
  return raw;
}

BOOL CMenu::LoadMenu(UINT id) {
  if (m_hMenu) return FALSE;
  const zhost::MenuTemplate* menu = zhost::FindMenuTemplate(id);
  if (!menu) return FALSE;
  m_hMenu = zhost::BuildMenu(*menu);
  return TRUE;
}

BOOL CMenu::LoadMenu(LPCWSTR name) {
  UINT_PTR id = reinterpret_cast<UINT_PTR>(name);
  return id > 0 && id <= 0xFFFF ? LoadMenu(static_cast<UINT>(id)) : FALSE;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu() {
  HMENU menu = Detach();
  return menu ? ::DestroyMenu(menu) : FALSE;
}

BOOL CMenu::Attach(HMENU menu) {
  if (m_hMenu || !Live(menu)) return FALSE;
  m_hMenu = menu;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU menu = m_hMenu;
  m_hMenu = nullptr;
  return menu;
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
  const HMENU__::Item* it = FindItem(m_hMenu, item, flags);
  text = CString(it ? it->text : std::wstring());
  return text.GetLength();
}

int CMenu::GetMenuString(UINT item, LPWSTR buffer, int size, UINT flags) const {
  return ::GetMenuStringW(m_hMenu, item, buffer, size, flags);
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
BOOL CMenu::AppendMenu(UINT flags, UINT_PTR item, LPCWSTR text) { return ::AppendMenuW(m_hMenu, flags, item, text); }
BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
  return ::InsertMenuW(m_hMenu, position, flags, item, text);
}
BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
  return ::ModifyMenuW(m_hMenu, position, flags, item, text);
}
BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
UINT CMenu::CheckMenuItem(UINT item, UINT check) { return static_cast<UINT>(::CheckMenuItem(m_hMenu, item, check)); }
UINT CMenu::EnableMenuItem(UINT item, UINT enable) { return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, enable)); }
BOOL CMenu::GetMenuItemInfo(UINT item, MENUITEMINFOW* info, BOOL byPosition) {
  return ::GetMenuItemInfoW(m_hMenu, item, byPosition, info);
}
BOOL CMenu::SetMenuItemInfo(UINT item, const MENUITEMINFOW* info, BOOL byPosition) {
  return ::SetMenuItemInfoW(m_hMenu, item, byPosition, info);
}
BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}
