// The pickfirst set from ids and the selection of objects by type.
#include "acadobjects/EntityServices.h"

#include "acadobjects/ServiceGuard.h"
#include "frame/MainPalette.h"
#include "host/ed/CommandLine.h"
#include "host/ed/SelectionSet.h"
#include "host/win/Window.h"
#include "ui/DlgMain.h"

namespace {

// A list of (group, string) pairs the caller frees: one type pattern, or either of two.
resbuf* TypeFilter(const wchar_t* pattern, const wchar_t* pattern2) {
  if (!pattern2 || !*pattern2) return acutBuildList(RTDXF0, pattern, 0);
  return acutBuildList(-4, L"<OR", RTDXF0, pattern, RTDXF0, pattern2, -4, L"OR>", 0);
}

}  // namespace

void SetPickfirst(AcDbObjectIdArray& ids) {
  GuardedServiceVoid(L"SetPickfirst", [&] {
    ads_name set = {0, 0};
    if (acedSSAdd(nullptr, nullptr, set) != RTNORM) {
      acutPrintf(L"\nCannot add entity to selection set!");
      return;
    }
    for (int i = 0; i < ids.length(); ++i) {
      ads_name name = {0, 0};
      if (acdbGetAdsName(name, ids[i]) != Acad::eOk) {
        acutPrintf(L"\nCannot get entity name from objectID!");
        continue;
      }
      if (acedSSAdd(name, set, set) != RTNORM) acutPrintf(L"\nCannot add entity to selection set!");
    }
    if (acedSSSetFirst(set, nullptr) != RTNORM) acutPrintf(L"\nCannot set pickfirst selection set!");
    acedSSFree(set);
  });
  ids.removeAll();
}

int SelectByType(AcDbObjectIdArray& ids, const wchar_t* prompt, const wchar_t* pattern, const wchar_t* pattern2) {
  if (!pattern || !*pattern) return 0;
  return GuardedService(L"SelectByType", 0, [&] {
    const bool hidden = dlgMyApp && dlgMyApp->IsWindowVisible();
    if (hidden)
      dlgMyApp->ShowWindow(SW_HIDE);
    else
      SetFocus(adsw_acadMainWnd());
    if (prompt && *prompt) acutPrintf(L"%s", prompt);
    resbuf* filter = TypeFilter(pattern, pattern2);
    ads_name set = {0, 0};
    int count = 0;
    if (acedSSGet(nullptr, nullptr, nullptr, filter, set) == RTNORM) {
      Adesk::Int32 length = 0;
      acedSSLength(set, &length);
      for (Adesk::Int32 i = 0; i < length; ++i) {
        ads_name name = {0, 0};
        AcDbObjectId id;
        if (acedSSName(set, i, name) != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) continue;
        ids.append(id);
        ++count;
      }
      acedSSFree(set);
    }
    acutRelRb(filter);
    if (hidden && dlgMyApp) dlgMyApp->ShowWindow(SW_SHOW);
    return count;
  });
}
