// Splitting list texts, taking the file name of a path, and the layer and text-style names of
// a drawing.
#include "acadobjects/TextLists.h"

#include <algorithm>

#include "acadobjects/ServiceGuard.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbTextStyleTable.h"

int SplitList(const wchar_t* text, CStringArray& list, const wchar_t* separator) {
  list.RemoveAll();
  const CString all(text);
  const CString sep(separator);
  int start = 0;
  if (!sep.IsEmpty()) {
    for (int at = all.Find(sep, start); at >= 0; at = all.Find(sep, start)) {
      list.Add(all.Mid(start, at - start).Trim());
      start = at + sep.GetLength();
    }
  }
  const bool hadSeparator = list.GetSize() > 0;
  if (!hadSeparator && all.IsEmpty()) return 0;
  CString last = all.Mid(start);
  last.Trim();
  if (!hadSeparator || !last.IsEmpty()) list.Add(last);
  return static_cast<int>(list.GetSize());
}

int SplitListPadded(const wchar_t* text, CStringArray& list, int minimumCount, const wchar_t* separator) {
  const int count = SplitList(text, list, separator);
  while (list.GetSize() < minimumCount) list.Add(CString());
  return count;
}

CString FileNameOfPath(const wchar_t* path) {
  const CString full(path);
  const int slash = std::max(full.ReverseFind(L'\\'), full.ReverseFind(L'/'));
  return full.Mid(slash + 1);
}

CString EntityLayerName(const AcDbEntity* entity) {
  if (!entity) return CString();
  return GuardedService(L"EntityLayerName", CString(), [&] {
    const ACHAR* name = entity->layer();
    return CString(name ? name : L"");
  });
}

CString EntityLayerName(AcDbObjectId id) {
  return GuardedService(L"EntityLayerName", CString(), [&] {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return CString();
    const CString name = EntityLayerName(entity);
    entity->close();
    return name;
  });
}

int TextStyleNames(AcDbDatabase* db, CStringArray& names) {
  names.RemoveAll();
  if (!db) return 0;
  return GuardedService(L"TextStyleNames", 0, [&] {
    AcDbTextStyleTable* table = nullptr;
    if (db->getTextStyleTable(table, AcDb::kForRead) != Acad::eOk) return 0;
    AcDbTextStyleTableIterator* it = nullptr;
    table->newIterator(it);
    table->close();
    for (; it && !it->done(); it->step()) {
      AcDbTextStyleTableRecord* style = nullptr;
      if (it->getRecord(style, AcDb::kForRead) != Acad::eOk) continue;
      const CString name(style->nameString().c_str());
      style->close();
      bool known = name.IsEmpty();
      for (INT_PTR i = 0; i < names.GetSize() && !known; ++i) known = names[i].CompareNoCase(name) == 0;
      if (!known) names.Add(name);
    }
    delete it;
    return static_cast<int>(names.GetSize());
  });
}
