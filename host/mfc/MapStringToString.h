// CMapStringToString: the MFC map of strings to strings. Keys compare case-sensitively, as in
// MFC. Iteration (GetStartPosition/GetNextAssoc) runs in ascending key order, the same on every
// run; removing the entry just returned by GetNextAssoc is safe during an iteration.
#pragma once

#include <map>
#include <string>

#include "host/mfc/CObject.h"
#include "host/mfc/CString.h"
#include "host/win/WinTypes.h"

struct ZHostPosition;
typedef ZHostPosition* POSITION;

#ifndef BEFORE_START_POSITION
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

class CMapStringToString : public CObject {
 public:
  CMapStringToString() = default;
  explicit CMapStringToString(INT_PTR blockSize) { (void)blockSize; }

  INT_PTR GetCount() const { return static_cast<INT_PTR>(map_.size()); }
  INT_PTR GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return map_.empty() ? TRUE : FALSE; }

  BOOL Lookup(const wchar_t* key, CString& value) const;
  // The value of `key`, created empty when missing.
  CString& operator[](const wchar_t* key);
  void SetAt(const wchar_t* key, const wchar_t* value);
  BOOL RemoveKey(const wchar_t* key);
  void RemoveAll() { map_.clear(); }

  // Null when the map is empty.
  POSITION GetStartPosition() const;
  // The entry at `position`; `position` moves to the next entry (null after the last). A null
  // position throws through AfxThrowInvalidArgException().
  void GetNextAssoc(POSITION& position, CString& key, CString& value) const;

  // The hash table size is a tuning hint in MFC; the map keeps it only to report it.
  void InitHashTable(UINT size, BOOL allocNow = TRUE) {
    (void)allocNow;
    hashSize_ = size;
  }
  UINT GetHashTableSize() const { return hashSize_; }

 private:
  typedef std::map<std::wstring, CString> Map;
  static POSITION ToPosition(const Map::value_type* entry);
  static const Map::value_type* FromPosition(POSITION position);

  Map map_;
  UINT hashSize_ = 17;
};
