// List sections, pair entries and the section reader by key prefix.
#include <gtest/gtest.h>

#include "settings/IniFiles.h"
#include "tests/settings/SettingsFixture.h"

namespace {

using IniLists = SettingsFixture;

CStringArray Array(std::initializer_list<const wchar_t*> values) {
  CStringArray list;
  for (const wchar_t* v : values) list.Add(v);
  return list;
}

TEST_F(IniLists, WritesItemsEmptyEndAndLastItem) {
  std::wstring file = FileW("list.ini");
  EXPECT_EQ(SaveSection(Array({L"a", L"b", L"c"}), L"L", file.c_str()), 3);
  FlushIni();  // no file yet: the deferred list is kept in the cache
  CStringArray back;
  EXPECT_EQ(LoadSection(back, L"L", file.c_str()), 3);
  EXPECT_EQ(std::wstring(back[2]), L"c");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"L", L"LastItem")), L"c");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"L", L"Item_3")), L"");
}

TEST_F(IniLists, EmptyMiddleValueEndsTheListOnReading) {
  std::wstring file = FileW("list.ini");
  zktest::WriteFileBytes(File("list.ini"), "[L]\nItem_1=stale\n");
  SaveSection(Array({L"first", L"", L"third"}), L"L", file.c_str());
  FlushIni();
  EXPECT_EQ(DiskValue(file, L"L", L"Item_0"), L"first");
  EXPECT_EQ(DiskValue(file, L"L", L"Item_1"), L"");
  EXPECT_EQ(DiskValue(file, L"L", L"Item_2"), L"third");
  EXPECT_EQ(DiskValue(file, L"L", L"Item_3"), L"");
  EXPECT_EQ(DiskValue(file, L"L", L"LastItem"), L"third");
  SaveIniBuffer(INI_BUFFER_OTHER, true);
  CStringArray back;
  ASSERT_EQ(LoadSection(back, L"L", file.c_str()), 1);
  EXPECT_EQ(std::wstring(back[0]), L"first");
}

TEST_F(IniLists, EmptyListReadsBackEmpty) {
  std::wstring file = FileW("list.ini");
  zktest::WriteFileBytes(File("list.ini"), "[L]\nItem_0=old\nItem_1=older\n");
  EXPECT_EQ(SaveSection(CStringArray(), L"L", file.c_str()), 0);
  FlushIni();
  EXPECT_EQ(DiskValue(file, L"L", L"LastItem"), L"");
  EXPECT_EQ(DiskValue(file, L"L", L"Item_1"), L"");
  SaveIniBuffer(INI_BUFFER_OTHER, true);
  CStringArray back;
  EXPECT_EQ(LoadSection(back, L"L", file.c_str()), 0);
}

TEST_F(IniLists, ReadingDropsDuplicatesAndStopsAtAHundred) {
  std::string text = "[L]\nItem_0=Abc\nItem_1=ABC\nItem_2=abcd\n";
  for (int i = 3; i < 120; ++i) text += "Item_" + std::to_string(i) + "=v" + std::to_string(i) + "\n";
  zktest::WriteFileBytes(File("list.ini"), text);
  CStringArray back;
  std::wstring file = FileW("list.ini");
  EXPECT_EQ(LoadSection(back, L"L", file.c_str()), 99);
  EXPECT_EQ(std::wstring(back[0]), L"Abc");
  EXPECT_EQ(std::wstring(back[1]), L"abcd");
  EXPECT_EQ(std::wstring(back[98]), L"v99");
}

TEST_F(IniLists, SplitPairEntry) {
  struct Case {
    const wchar_t* text;
    bool pair;
    const wchar_t* key;
    const wchar_t* value;
  } cases[] = {
      {L"1:100=DIM_1_100=7", true, L"1:100", L"DIM_1_100=7"},
      {L" 18 = 1 ", true, L"18", L"1"},
      {L"a=b=c=d", true, L"a", L"b=c"},
      {L"key=", true, L"key", L""},
      {L"noPair", false, L"", L""},
      {L"=value", false, L"", L""},
  };
  for (const Case& c : cases) {
    CString key, value;
    EXPECT_EQ(SplitPairEntry(c.text, key, value), c.pair) << c.text;
    if (!c.pair) continue;
    EXPECT_EQ(std::wstring(key), c.key) << c.text;
    EXPECT_EQ(std::wstring(value), c.value) << c.text;
  }
}

TEST_F(IniLists, SectionByPrefix) {
  std::string longLine(100000, 'z');
  zktest::WriteFileBytes(File("p.ini"),
                         "\xEF\xBB\xBF[Other]\nColA=no\n[ Widths ]\n; ColB=comment\n  colA = 10 \n" + longLine +
                             "\nColB=20\nRow=3\n\x01\x02\xFF=bin\n[Next]\nColC=30\n[Widths]\nColD=40\n");
  CMapStringToString result;
  std::wstring file = FileW("p.ini");
  EXPECT_EQ(ReadSectionByPrefix(file.c_str(), L"widths", L"Col", result), 2);
  CString value;
  ASSERT_TRUE(result.Lookup(L"colA", value));
  EXPECT_EQ(std::wstring(value), L"10");
  ASSERT_TRUE(result.Lookup(L"ColB", value));
  EXPECT_EQ(std::wstring(value), L"20");
  std::wstring missing = FileW("none.ini");
  EXPECT_EQ(ReadSectionByPrefix(missing.c_str(), L"Widths", L"Col", result), 0);
  EXPECT_EQ(ReadSectionByPrefix(L"", L"Widths", L"Col", result), 0);
}

}  // namespace
