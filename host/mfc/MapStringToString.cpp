// CMapStringToString over an ordered map; a POSITION is the address of an entry.
#include "host/mfc/MapStringToString.h"

#include "host/mfc/Exceptions.h"

POSITION CMapStringToString::ToPosition(const Map::value_type* entry) {
  return reinterpret_cast<POSITION>(const_cast<Map::value_type*>(entry));
}

const CMapStringToString::Map::value_type* CMapStringToString::FromPosition(POSITION position) {
  return reinterpret_cast<const Map::value_type*>(position);
}

BOOL CMapStringToString::Lookup(const wchar_t* key, CString& value) const {
  auto it = map_.find(key ? key : L"");
  if (it == map_.end()) return FALSE;
  value = it->second;
  return TRUE;
}

CString& CMapStringToString::operator[](const wchar_t* key) { return map_[key ? key : L""]; }

void CMapStringToString::SetAt(const wchar_t* key, const wchar_t* value) { map_[key ? key : L""] = CString(value); }

BOOL CMapStringToString::RemoveKey(const wchar_t* key) { return map_.erase(key ? key : L"") ? TRUE : FALSE; }

POSITION CMapStringToString::GetStartPosition() const {
  return map_.empty() ? nullptr : ToPosition(&*map_.begin());
}

void CMapStringToString::GetNextAssoc(POSITION& position, CString& key, CString& value) const {
  if (!position || position == BEFORE_START_POSITION) AfxThrowInvalidArgException();
  const Map::value_type* entry = FromPosition(position);
  auto it = map_.find(entry->first);
  if (it == map_.end() || &*it != entry) AfxThrowInvalidArgException();
  key = CString(it->first);
  value = it->second;
  ++it;
  position = it == map_.end() ? nullptr : ToPosition(&*it);
}
