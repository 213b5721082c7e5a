// The map chain search and the calls by signature.
#include "host/mfc/MessageMap.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e)
      if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID) return e;
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void*, void*) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, static_cast<UINT>(code), id);
  if (!entry) return FALSE;
  CallEntry(*entry, id, 0, 0, nullptr);
  return TRUE;
}

LRESULT CCmdTarget::CallEntry(const AFX_MSGMAP_ENTRY& e, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (e.nSig) {
    case AfxSig_vv:
      (this->*e.pfn.vv)();
      return 0;
    case AfxSig_vw:
      (this->*e.pfn.vw)(id);
      return 0;
    case AfxSig_vNMHDRpl:
      (this->*e.pfn.vNMHDRpl)(reinterpret_cast<NMHDR*>(lParam), result);
      return 0;
    case AfxSig_lwl:
      return (this->*e.pfn.lwl)(wParam, lParam);
    case AfxSig_vt:
      (this->*e.pfn.vt)(static_cast<UINT_PTR>(wParam));
      return 0;
    case AfxSig_vwii:
      (this->*e.pfn.vwii)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                                                     static_cast<short>(HIWORD(lParam)));
      return 0;
    case AfxSig_vii:
      (this->*e.pfn.vii)(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return 0;
    case AfxSig_vOWNER:
      (this->*e.pfn.vOWNER)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      return TRUE;
    case AfxSig_vbw:
      (this->*e.pfn.vbw)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
      return 0;
    default:
      return 0;
  }
}
