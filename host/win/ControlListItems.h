// The item list that combo boxes and list boxes share: texts with their item data and
// selection flags, sorted insertion (case-insensitive, as the sorting styles do it) and the
// prefix and exact searches that start after an item and wrap around.
#pragma once

#include <string>
#include <vector>

#include "host/win/WinTypes.h"

namespace zhost {

struct ListItem {
  std::wstring text;
  DWORD_PTR data = 0;
  bool selected = false;  // multi-selection list boxes
};

class ControlListItems {
 public:
  int count() const { return static_cast<int>(items_.size()); }
  bool valid(int index) const { return index >= 0 && index < count(); }
  ListItem& at(int index) { return items_[static_cast<size_t>(index)]; }
  const ListItem& at(int index) const { return items_[static_cast<size_t>(index)]; }

  // The index the text went to: its sorted place, or the end.
  int add(const std::wstring& text, bool sorted);
  // At `index` (-1: the end); -1 when the index is beyond the end.
  int insert(int index, const std::wstring& text);
  bool remove(int index);
  void clear() { items_.clear(); }

  // The first item after `start` (-1: from the first) whose text begins with (or, exact, equals)
  // `text`, case-insensitive, wrapping around; -1 when none. An empty prefix matches the first.
  int find(int start, const std::wstring& text, bool exact) const;

 private:
  std::vector<ListItem> items_;
};

// Copies `text` to the caller's buffer (no size is given by these messages: the caller sized it
// with the ..._GETTEXTLEN message); returns the length.
LRESULT CopyItemText(const std::wstring& text, LPARAM buffer);

}  // namespace zhost
