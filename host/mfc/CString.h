// CString: the MFC wide string, as a thin value type over std::wstring.
#pragma once

#include <cstdarg>
#include <string>

#include "host/win/WinTypes.h"

class CString {
 public:
  CString() = default;
  CString(const wchar_t* s) : s_(s ? s : L"") {}
  CString(const wchar_t* s, int length) : s_(s ? std::wstring(s, length > 0 ? length : 0) : L"") {}
  CString(wchar_t ch, int repeat = 1) : s_(repeat > 0 ? repeat : 0, ch) {}
  CString(const std::wstring& s) : s_(s) {}
  explicit CString(const char* utf8);

  // Access
  int GetLength() const { return static_cast<int>(s_.size()); }
  bool IsEmpty() const { return s_.empty(); }
  void Empty() { s_.clear(); }
  wchar_t GetAt(int i) const;
  void SetAt(int i, wchar_t ch);
  wchar_t operator[](int i) const { return GetAt(i); }
  operator const wchar_t*() const { return s_.c_str(); }
  const wchar_t* GetString() const { return s_.c_str(); }
  const std::wstring& str() const { return s_; }

  // Buffer access in the MFC manner: GetBuffer gives at least minLength characters to write;
  // ReleaseBuffer(-1) takes the length up to the first NUL.
  wchar_t* GetBuffer(int minLength = 0);
  wchar_t* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

  // Assignment and concatenation
  CString& operator=(const wchar_t* s) {
    s_ = s ? s : L"";
    return *this;
  }
  CString& operator=(wchar_t ch) {
    s_.assign(1, ch);
    return *this;
  }
  CString& operator+=(const CString& s) {
    s_ += s.s_;
    return *this;
  }
  CString& operator+=(const wchar_t* s) {
    if (s) s_ += s;
    return *this;
  }
  CString& operator+=(wchar_t ch) {
    s_ += ch;
    return *this;
  }
  void Append(const wchar_t* s) { *this += s; }
  void AppendChar(wchar_t ch) { s_ += ch; }

  // Comparison: Compare is ordinal, Collate the same here (C locale), NoCase folds case.
  int Compare(const wchar_t* s) const;
  int CompareNoCase(const wchar_t* s) const;
  int Collate(const wchar_t* s) const { return Compare(s); }
  int CollateNoCase(const wchar_t* s) const { return CompareNoCase(s); }

  // Extraction
  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString SpanIncluding(const wchar_t* chars) const;
  CString SpanExcluding(const wchar_t* chars) const;
  CString Tokenize(const wchar_t* delimiters, int& start) const;

  // Search; -1 when not found
  int Find(wchar_t ch, int start = 0) const;
  int Find(const wchar_t* sub, int start = 0) const;
  int ReverseFind(wchar_t ch) const;
  int FindOneOf(const wchar_t* chars) const;

  // Changes in place
  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  CString& Trim();
  CString& Trim(wchar_t ch);
  CString& Trim(const wchar_t* chars);
  CString& TrimLeft();
  CString& TrimLeft(wchar_t ch);
  CString& TrimLeft(const wchar_t* chars);
  CString& TrimRight();
  CString& TrimRight(wchar_t ch);
  CString& TrimRight(const wchar_t* chars);
  int Replace(wchar_t oldCh, wchar_t newCh);
  int Replace(const wchar_t* oldText, const wchar_t* newText);
  int Remove(wchar_t ch);
  int Insert(int index, wchar_t ch);
  int Insert(int index, const wchar_t* s);
  int Delete(int index, int count = 1);
  void Truncate(int length);

  // Formatting with the Windows wide convention (%s takes a wide string)
  void Format(const wchar_t* format, ...);
  void FormatV(const wchar_t* format, va_list args);
  void AppendFormat(const wchar_t* format, ...);

  // Loads string resource `id` from the current resource module and the module chain.
  BOOL LoadString(UINT id);
  BOOL LoadString(HINSTANCE instance, UINT id);

 private:
  std::wstring s_;
  size_t bufferReserve_ = 0;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
inline bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
inline bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
inline bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
inline bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }

typedef CString CStringW;
