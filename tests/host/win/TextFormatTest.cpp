// Wide formatting with the Windows convention and UTF-8 conversion.
#include <gtest/gtest.h>

#include <vector>

#include "host/mfc/CString.h"
#include "host/mfc/Exceptions.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"

namespace {

TEST(WideFormat, WindowsConventionForStringsAndNumbers) {
  struct Case {
    std::wstring got, want;
  } cases[] = {
      {zhost::FormatWide(L"%s=%d", L"Item", 3), L"Item=3"},
      {zhost::FormatWide(L"[%5s|%-4s]", L"ab", L"c"), L"[   ab|c   ]"},
      {zhost::FormatWide(L"%S", "narrow"), L"narrow"},
      {zhost::FormatWide(L"%c%C", L'x', 'y'), L"xy"},
      {zhost::FormatWide(L"%f", 2.5), L"2.500000"},
      {zhost::FormatWide(L"%.2f%%", 12.345), L"12.35%"},
      {zhost::FormatWide(L"%I64d", static_cast<long long>(1) << 40), L"1099511627776"},
      {zhost::FormatWide(L"%x %X %05d", 255, 255, 42), L"ff FF 00042"},
      {zhost::FormatWide(L"%ls %hs", L"wide", "narrow"), L"wide narrow"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(WideFormat, LongOutputGrowsTheBuffer) {
  std::wstring big(100000, L'a');
  EXPECT_EQ(zhost::FormatWide(L"<%s>", big.c_str()), L"<" + big + L">");
}

TEST(TextConv, RoundTripAndMalformedInput) {
  std::wstring text = L"Layer \"0\" ist verboten. Fu\u00df 1:100 \u20ac";
  EXPECT_EQ(zhost::FromUtf8(zhost::ToUtf8(text)), text);
  // Truncated and stray continuation bytes decode to the replacement character, never past the end.
  EXPECT_EQ(zhost::FromUtf8(std::string("a\xC3", 2)), L"a\xFFFD");
  EXPECT_EQ(zhost::FromUtf8(std::string("\x80z", 2)), L"\xFFFDz");
  EXPECT_EQ(zhost::ToFsPath(L"C:\\dir\\file.ini"), "C:/dir/file.ini");
}

TEST(CString, MfcSemantics) {
  CString s(L"  Scale2Layer  ");
  s.Trim();
  EXPECT_EQ(s, L"Scale2Layer");
  EXPECT_EQ(s.Left(5), L"Scale");
  EXPECT_EQ(s.Mid(6), L"Layer");
  EXPECT_EQ(s.Mid(50), L"");
  EXPECT_EQ(s.Find(L'2'), 5);
  EXPECT_EQ(s.Find(L"Layer", 7), -1);
  EXPECT_EQ(s.CompareNoCase(L"SCALE2LAYER"), 0);
  CString f;
  f.Format(L"%s=%s", L"1:100", L"DIM_1_100=7");
  EXPECT_EQ(f, L"1:100=DIM_1_100=7");
  EXPECT_EQ(f.Replace(L"=", L"=="), 2);
  int pos = 0;
  CString list(L"0,14,,2");
  std::vector<std::wstring> tokens;
  for (CString t = list.Tokenize(L",", pos); pos != -1; t = list.Tokenize(L",", pos)) tokens.push_back(t.str());
  EXPECT_EQ(tokens, (std::vector<std::wstring>{L"0", L"14", L"2"}));
}

TEST(CString, BufferAndOutOfRange) {
  CString s;
  wchar_t* buf = s.GetBuffer(10);
  wcscpy(buf, L"abc");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 3);
  bool thrown = false;
  try {
    s.GetAt(3);
  } catch (CException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
}

}  // namespace
