// CString members other than resource loading (see host/mfc/Resources.cpp).
#include "host/mfc/CString.h"

#include <algorithm>
#include <cwctype>
#include <stdexcept>

#include "host/mfc/Exceptions.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"

namespace {

const wchar_t kWhitespace[] = L" \t\r\n\v\f";

bool Contains(const wchar_t* chars, wchar_t ch) { return chars && ch && std::wcschr(chars, ch); }

}  // namespace

CString::CString(const char* utf8) : s_(zhost::FromUtf8(std::string(utf8 ? utf8 : ""))) {}

wchar_t CString::GetAt(int i) const {
  if (i < 0 || i >= GetLength()) AfxThrowInvalidArgException();
  return s_[i];
}

void CString::SetAt(int i, wchar_t ch) {
  if (i < 0 || i >= GetLength()) AfxThrowInvalidArgException();
  s_[i] = ch;
}

wchar_t* CString::GetBuffer(int minLength) {
  size_t want = std::max<size_t>(s_.size(), minLength > 0 ? minLength : 0);
  bufferReserve_ = want;
  s_.resize(want + 1, L'\0');  // room for the terminator the caller may write
  s_.resize(want);
  s_.reserve(want + 1);
  return s_.data();
}

wchar_t* CString::GetBufferSetLength(int length) {
  s_.resize(length > 0 ? length : 0);
  bufferReserve_ = s_.size();
  return s_.data();
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) {
    s_.resize(wcsnlen(s_.c_str(), s_.size()));
  } else {
    s_.resize(std::min<size_t>(newLength, std::max(s_.size(), bufferReserve_)));
  }
  bufferReserve_ = 0;
}

int CString::Compare(const wchar_t* s) const {
  int r = std::wcscmp(s_.c_str(), s ? s : L"");
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* s) const {
  const wchar_t* a = s_.c_str();
  const wchar_t* b = s ? s : L"";
  for (;; ++a, ++b) {
    wint_t ca = std::towlower(*a), cb = std::towlower(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!ca) return 0;
  }
}

CString CString::Left(int count) const {
  if (count <= 0) return CString();
  return CString(s_.substr(0, count));
}

CString CString::Right(int count) const {
  if (count <= 0) return CString();
  if (count >= GetLength()) return *this;
  return CString(s_.substr(s_.size() - count));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= GetLength()) return CString();
  return CString(s_.substr(first, count));
}

CString CString::SpanIncluding(const wchar_t* chars) const {
  size_t n = 0;
  while (n < s_.size() && Contains(chars, s_[n])) ++n;
  return CString(s_.substr(0, n));
}

CString CString::SpanExcluding(const wchar_t* chars) const {
  size_t n = 0;
  while (n < s_.size() && !Contains(chars, s_[n])) ++n;
  return CString(s_.substr(0, n));
}

CString CString::Tokenize(const wchar_t* delimiters, int& start) const {
  if (start < 0 || start >= GetLength()) {
    start = -1;
    return CString();
  }
  size_t i = start;
  while (i < s_.size() && Contains(delimiters, s_[i])) ++i;
  if (i >= s_.size()) {
    start = -1;
    return CString();
  }
  size_t j = i;
  while (j < s_.size() && !Contains(delimiters, s_[j])) ++j;
  start = static_cast<int>(j + (j < s_.size() ? 1 : 0));
  return CString(s_.substr(i, j - i));
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || start >= GetLength()) return -1;
  size_t p = s_.find(ch, start);
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::Find(const wchar_t* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  size_t p = s_.find(sub, start);
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(wchar_t ch) const {
  size_t p = s_.rfind(ch);
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::FindOneOf(const wchar_t* chars) const {
  if (!chars) return -1;
  size_t p = s_.find_first_of(chars);
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

CString& CString::MakeUpper() {
  for (auto& c : s_) c = std::towupper(c);
  return *this;
}

CString& CString::MakeLower() {
  for (auto& c : s_) c = std::towlower(c);
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(s_.begin(), s_.end());
  return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }
CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }
CString& CString::TrimRight() { return TrimRight(kWhitespace); }

CString& CString::TrimLeft(wchar_t ch) {
  wchar_t set[2] = {ch, 0};
  return TrimLeft(set);
}

CString& CString::TrimRight(wchar_t ch) {
  wchar_t set[2] = {ch, 0};
  return TrimRight(set);
}

CString& CString::TrimLeft(const wchar_t* chars) {
  size_t n = 0;
  while (n < s_.size() && Contains(chars, s_[n])) ++n;
  s_.erase(0, n);
  return *this;
}

CString& CString::TrimRight(const wchar_t* chars) {
  size_t n = s_.size();
  while (n > 0 && Contains(chars, s_[n - 1])) --n;
  s_.resize(n);
  return *this;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh) {
  int count = 0;
  for (auto& c : s_)
    if (c == oldCh) {
      c = newCh;
      ++count;
    }
  return count;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
  if (!oldText || !*oldText) return 0;
  std::wstring from(oldText), to(newText ? newText : L"");
  int count = 0;
  size_t pos = 0;
  while ((pos = s_.find(from, pos)) != std::wstring::npos) {
    s_.replace(pos, from.size(), to);
    pos += to.size();
    ++count;
  }
  return count;
}

int CString::Remove(wchar_t ch) {
  size_t before = s_.size();
  s_.erase(std::remove(s_.begin(), s_.end(), ch), s_.end());
  return static_cast<int>(before - s_.size());
}

int CString::Insert(int index, wchar_t ch) {
  wchar_t s[2] = {ch, 0};
  return Insert(index, s);
}

int CString::Insert(int index, const wchar_t* s) {
  if (index < 0) index = 0;
  if (index > GetLength()) index = GetLength();
  if (s) s_.insert(index, s);
  return GetLength();
}

int CString::Delete(int index, int count) {
  if (index < 0) index = 0;
  if (count > 0 && index < GetLength()) s_.erase(index, count);
  return GetLength();
}

void CString::Truncate(int length) {
  if (length < 0 || length > GetLength()) AfxThrowInvalidArgException();
  s_.resize(length);
}

void CString::FormatV(const wchar_t* format, va_list args) { s_ = zhost::FormatWideV(format, args); }

void CString::Format(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  s_ += zhost::FormatWideV(format, args);
  va_end(args);
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const wchar_t* b) { return CString(a.str() + (b ? b : L"")); }
CString operator+(const wchar_t* a, const CString& b) { return CString((a ? a : L"") + b.str()); }
CString operator+(const CString& a, wchar_t b) { return CString(a.str() + b); }
CString operator+(wchar_t a, const CString& b) { return CString(std::wstring(1, a) + b.str()); }
