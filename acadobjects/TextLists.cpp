// Splitting list texts and taking the file name of a path.
#include "acadobjects/TextLists.h"

#include <algorithm>

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
