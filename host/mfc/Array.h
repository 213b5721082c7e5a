// CArray<TYPE, ARG_TYPE> and the typed arrays CStringArray, CUIntArray, CObArray: thin MFC
// arrays over std::vector. As in MFC, GetAt, SetAt, ElementAt, operator[] and RemoveAt out of
// range, a negative size or index, and appending an array to itself throw through
// AfxThrowInvalidArgException(); SetAtGrow and InsertAt beyond the end grow the array (new
// elements value-initialised: 0, null, empty).
#pragma once

#include <vector>

#include "host/mfc/CObject.h"
#include "host/mfc/CString.h"
#include "host/mfc/Exceptions.h"
#include "host/win/WinTypes.h"


template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(items_.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return items_.empty() ? TRUE : FALSE; }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }

  void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
    (void)growBy;
    if (newSize < 0) AfxThrowInvalidArgException();
    items_.resize(static_cast<size_t>(newSize));
  }
  void FreeExtra() { items_.shrink_to_fit(); }
  void RemoveAll() { items_.clear(); }

  const TYPE& GetAt(INT_PTR index) const { return items_[checked(index)]; }
  TYPE& GetAt(INT_PTR index) { return items_[checked(index)]; }
  void SetAt(INT_PTR index, ARG_TYPE element) { items_[checked(index)] = element; }
  TYPE& ElementAt(INT_PTR index) { return items_[checked(index)]; }
  const TYPE& ElementAt(INT_PTR index) const { return items_[checked(index)]; }
  const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
  TYPE& operator[](INT_PTR index) { return ElementAt(index); }

  const TYPE* GetData() const { return items_.empty() ? nullptr : items_.data(); }
  TYPE* GetData() { return items_.empty() ? nullptr : items_.data(); }

  void SetAtGrow(INT_PTR index, ARG_TYPE element) {
    if (index < 0) AfxThrowInvalidArgException();
    TYPE copy(element);  // element may refer into the array
    if (index >= GetSize()) items_.resize(static_cast<size_t>(index) + 1);
    items_[static_cast<size_t>(index)] = copy;
  }
  INT_PTR Add(ARG_TYPE element) {
    items_.push_back(TYPE(element));
    return GetSize() - 1;
  }
  INT_PTR Append(const CArray& src) {
    if (&src == this) AfxThrowInvalidArgException();
    INT_PTR old = GetSize();
    items_.insert(items_.end(), src.items_.begin(), src.items_.end());
    return old;
  }
  void Copy(const CArray& src) {
    if (&src != this) items_ = src.items_;
  }

  void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1) {
    if (index < 0 || count <= 0) AfxThrowInvalidArgException();
    TYPE copy(element);
    if (index >= GetSize()) items_.resize(static_cast<size_t>(index));
    items_.insert(items_.begin() + index, static_cast<size_t>(count), copy);
  }
  void InsertAt(INT_PTR startIndex, CArray* newArray) {
    if (!newArray || startIndex < 0 || newArray == this) AfxThrowInvalidArgException();
    if (newArray->IsEmpty()) return;
    if (startIndex >= GetSize()) items_.resize(static_cast<size_t>(startIndex));
    items_.insert(items_.begin() + startIndex, newArray->items_.begin(), newArray->items_.end());
  }
  void RemoveAt(INT_PTR index, INT_PTR count = 1) {
    if (index < 0 || count < 0 || index + count > GetSize()) AfxThrowInvalidArgException();
    items_.erase(items_.begin() + index, items_.begin() + index + count);
  }

  // Standard iteration for host code.
  typename std::vector<TYPE>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<TYPE>::const_iterator end() const { return items_.end(); }
  typename std::vector<TYPE>::iterator begin() { return items_.begin(); }
  typename std::vector<TYPE>::iterator end() { return items_.end(); }

 private:
  size_t checked(INT_PTR index) const {
    if (index < 0 || index >= GetSize()) AfxThrowInvalidArgException();
    return static_cast<size_t>(index);
  }

  std::vector<TYPE> items_;
};

class CStringArray : public CArray<CString, const CString&> {
 public:
  using CArray<CString, const CString&>::Add;
  INT_PTR Add(const wchar_t* text) { return CArray<CString, const CString&>::Add(CString(text)); }
};

class CUIntArray : public CArray<UINT, UINT> {};

// Holds the pointers only; deleting the objects is the owner's business.
class CObArray : public CArray<CObject*, CObject*> {};

class CDWordArray : public CArray<DWORD, DWORD> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
class CPtrArray : public CArray<void*, void*> {};
