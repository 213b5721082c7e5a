// The shared item list of combo boxes and list boxes.
#include "host/win/ControlListItems.h"

#include <cwchar>

#include "host/win/TextCase.h"

namespace zhost {

namespace {

int CompareNoCase(const std::wstring& a, const std::wstring& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    wchar_t x = FoldCase(a[i]), y = FoldCase(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

int ControlListItems::add(const std::wstring& text, bool sorted) {
  size_t at = items_.size();
  if (sorted) {
    at = 0;
    while (at < items_.size() && CompareNoCase(items_[at].text, text) <= 0) ++at;
  }
  ListItem item;
  item.text = text;
  items_.insert(items_.begin() + static_cast<long>(at), item);
  return static_cast<int>(at);
}

int ControlListItems::insert(int index, const std::wstring& text) {
  if (index < -1 || index > count()) return -1;
  ListItem item;
  item.text = text;
  size_t at = index < 0 ? items_.size() : static_cast<size_t>(index);
  items_.insert(items_.begin() + static_cast<long>(at), item);
  return static_cast<int>(at);
}

bool ControlListItems::remove(int index) {
  if (!valid(index)) return false;
  items_.erase(items_.begin() + index);
  return true;
}

int ControlListItems::find(int start, const std::wstring& text, bool exact) const {
  int n = count();
  if (n == 0) return -1;
  int first = valid(start) ? start + 1 : 0;
  for (int k = 0; k < n; ++k) {
    int i = (first + k) % n;
    const std::wstring& item = items_[static_cast<size_t>(i)].text;
    if (exact ? EqualsNoCase(item, text) : StartsWithNoCase(item, text)) return i;
  }
  return -1;
}

LRESULT CopyItemText(const std::wstring& text, LPARAM buffer) {
  wchar_t* out = reinterpret_cast<wchar_t*>(buffer);
  if (out) {
    std::wmemcpy(out, text.c_str(), text.size());
    out[text.size()] = 0;
  }
  return static_cast<LRESULT>(text.size());
}

}  // namespace zhost
