// List texts and file names of paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acadobjects/TextLists.h"

namespace {

std::vector<std::wstring> Items(const CStringArray& list) {
  std::vector<std::wstring> items;
  for (INT_PTR i = 0; i < list.GetSize(); ++i) items.emplace_back(list[i].GetString());
  return items;
}

TEST(SplitListTest, SplitsAndTrimsTheParts) {
  using V = std::vector<std::wstring>;
  struct Case {
    const wchar_t* text;
    const wchar_t* separator;
    V parts;
  } cases[] = {
      {L"a;b;c", L";", V{L"a", L"b", L"c"}},
      {L" a ; b\t;c ", L";", V{L"a", L"b", L"c"}},
      {L"a;;b", L";", V{L"a", L"", L"b"}},   // an empty part keeps its place
      {L";a", L";", V{L"", L"a"}},
      {L"a;b;", L";", V{L"a", L"b"}},        // nothing after the last separator
      {L"a;b;  ", L";", V{L"a", L"b"}},
      {L";", L";", V{L""}},
      {L"single", L";", V{L"single"}},
      {L"  x  ", L";", V{L"x"}},
      {L"   ", L";", V{L""}},                // a non-empty text is one element
      {L"", L";", V{}},
      {nullptr, L";", V{}},
      {L"1:100, 1:50", L",", V{L"1:100", L"1:50"}},
      {L"a::b:c", L"::", V{L"a", L"b:c"}},
      {L"a;b", L"", V{L"a;b"}},
      {L"a;b", nullptr, V{L"a;b"}},
  };
  for (const Case& c : cases) {
    CStringArray list;
    list.Add(L"old entry");
    const int count = SplitList(c.text, list, c.separator);
    EXPECT_EQ(count, static_cast<int>(c.parts.size())) << (c.text ? c.text : L"(null)");
    EXPECT_EQ(Items(list), c.parts) << (c.text ? c.text : L"(null)");
  }
}

TEST(SplitListTest, PaddedFillsUpToTheMinimumAndCountsTheParts) {
  CStringArray list;
  EXPECT_EQ(SplitListPadded(L"a;b", list, 4), 2);
  EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"a", L"b", L"", L""}));

  EXPECT_EQ(SplitListPadded(L"a;b;c;d;e", list, 2), 5);
  EXPECT_EQ(list.GetSize(), 5);

  EXPECT_EQ(SplitListPadded(L"", list, 3), 0);
  EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"", L"", L""}));

  EXPECT_EQ(SplitListPadded(L"a|b", list, -1, L"|"), 2);
  EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"a", L"b"}));
}

TEST(FileNameOfPathTest, TakesThePartAfterTheLastSlash) {
  struct Case {
    const wchar_t* path;
    const wchar_t* name;
  } cases[] = {
      {L"C:\\Plans\\house.dwg", L"house.dwg"}, {L"/home/u/plan.dwg", L"plan.dwg"},
      {L"C:\\a/b\\c.ini", L"c.ini"},          {L"C:\\a\\b/c.ini", L"c.ini"},
      {L"file.txt", L"file.txt"},             {L"folder\\", L""},
      {L"", L""},                             {nullptr, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(std::wstring(FileNameOfPath(c.path)), c.name) << (c.path ? c.path : L"(null)");
}

}  // namespace
