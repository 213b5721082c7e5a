// The resource-script parser: string tables in every written form, skipped blocks, and input
// that is broken in every way the parser must survive.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "host/mfc/ResourceScript.h"

using namespace std::string_literals;

namespace {

std::wstring Text(const zhost::ResourceScript& s, UINT id) {
  const std::wstring* t = s.strings.find(id);
  return t ? *t : L"<none>";
}

TEST(ResourceScript, StringTableForms) {
  zhost::ResourceScript s = zhost::ParseResourceScript(
      "// comment line \"not a string\"\n"
      "#include \"resource.h\"\n"
      "#define IDS_X 5 \\\n"
      "   continued\n"
      "#pragma code_page(65001)\n"
      "STRINGTABLE\n"
      "BEGIN\n"
      "    32897,  \"<beibehalten>\"\n"
      "    7102    \"BMa\xC3\x9F\"\n"
      "    1 \"say \"\"hi\"\"\"   // trailing comment\n"
      "    2 \"a\\nb\\tc\\rd\\\\e\\\"f\"\n"
      "    0x10 L\"hex id, wide literal\"\n"
      "    3 \"/* not a comment */ // nor this\"\n"
      "    4 \"\\x20AC\"\n"
      "END\n"
      "/* block\n comment */\n"
      "STRINGTABLE DISCARDABLE\n"
      "{\n"
      "    5, \"second table\"\n"
      "}\n");
  EXPECT_TRUE(s.problems.empty()) << (s.problems.empty() ? L"" : s.problems.front());
  EXPECT_EQ(Text(s, 32897), L"<beibehalten>");
  EXPECT_EQ(Text(s, 7102), L"BMa\u00DF");
  EXPECT_EQ(Text(s, 1), L"say \"hi\"");
  EXPECT_EQ(Text(s, 2), L"a\nb\tc\rd\\e\"f");
  EXPECT_EQ(Text(s, 16), L"hex id, wide literal");
  EXPECT_EQ(Text(s, 3), L"/* not a comment */ // nor this");
  EXPECT_EQ(Text(s, 4), L"\u20AC");
  EXPECT_EQ(Text(s, 5), L"second table");
  EXPECT_EQ(s.strings.entries.size(), 8u);
}

TEST(ResourceScript, OtherBlocksAreSkippedWithTheirNesting) {
  zhost::ResourceScript s = zhost::ParseResourceScript(
      "LANGUAGE 7, 1\n"
      "IDB_LOGO BITMAP \"res\\\\logo.bmp\"\n"
      "129 DIALOGEX 0, 0, 186,\n"
      "    95\n"
      "STYLE DS_SETFONT | WS_POPUP |\n"
      "    WS_CAPTION\n"
      "CAPTION \"zenkora END BEGIN\"\n"
      "FONT 8, \"MS Shell Dlg\"\n"
      "BEGIN\n"
      "    PUSHBUTTON \"OK\",IDOK,129,7,50,14\n"
      "END\n"
      "IDR_MENU MENU\n"
      "BEGIN\n"
      "    POPUP \"File\"\n"
      "    BEGIN\n"
      "        MENUITEM \"STRINGTABLE\", 100\n"
      "        POPUP \"Sub\" { MENUITEM \"x\", 101 }\n"
      "    END\n"
      "END\n"
      "STRINGTABLE\n"
      "BEGIN\n"
      "    9 \"after the blocks\"\n"
      "END\n");
  EXPECT_TRUE(s.problems.empty()) << (s.problems.empty() ? L"" : s.problems.front());
  EXPECT_EQ(s.strings.entries.size(), 1u);
  EXPECT_EQ(Text(s, 9), L"after the blocks");
  // The dialog with its numeric id is read; resources with symbolic ids are skipped.
  EXPECT_EQ(s.dialogs.count(129), 1u);
  ASSERT_EQ(s.skipped.size(), 3u);
  EXPECT_EQ(s.skipped[0].kind, L"LANGUAGE");
  EXPECT_EQ(s.skipped[1].kind, L"BITMAP");
  EXPECT_EQ(s.skipped[2].kind, L"MENU");
  EXPECT_EQ(s.skipped[2].name, L"IDR_MENU");
}

TEST(ResourceScript, BrokenEntriesAreReportedAndSkipped) {
  struct Case {
    std::string script;
    size_t strings;  // entries that still parse
  } cases[] = {
      {"STRINGTABLE BEGIN 1 \"unterminated\n 2 \"fine\" END", 2},
      {"STRINGTABLE BEGIN 1 END", 0},
      {"STRINGTABLE BEGIN IDS_NAME \"symbolic\" 2 \"ok\" END", 1},
      {"STRINGTABLE BEGIN 70000 \"too big\" -1 \"negative\" 99999999999999999999999 \"huge\" 3 \"ok\" END", 1},
      {"STRINGTABLE BEGIN 4 \"first\" 4 \"second\" END", 1},
      {"STRINGTABLE BEGIN 5 \"no end\"", 1},
      {"STRINGTABLE 6 \"no begin\"", 0},
      {"END } ) ( , STRINGTABLE BEGIN 7 \"x\" ? ! 8 \"y\" END", 2},
      {"STRINGTABLE BEGIN BEGIN 1 \"nested\" END 9 \"z\" END", 1},
      {"1 DIALOGEX 0,0,1,1\nBEGIN\nBEGIN\n", 0},
      {"\xEF\xBB\xBFSTRINGTABLE BEGIN 10 \"\xff\xfe bad utf-8\" END", 1},
      {"STRINGTABLE BEGIN 11 \"a\0b\" END"s, 1},
      {"STRINGTABLE BEGIN 12 \"trailing backslash\\", 1},
      {"/* never closed", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    zhost::ResourceScript s = zhost::ParseResourceScript(c.script);
    EXPECT_EQ(s.strings.entries.size(), c.strings) << c.script;
  }
  zhost::ResourceScript dup = zhost::ParseResourceScript("STRINGTABLE BEGIN 4 \"first\" 4 \"second\" END");
  EXPECT_EQ(Text(dup, 4), L"first");
  ASSERT_EQ(dup.problems.size(), 1u);
  EXPECT_NE(dup.problems[0].find(L"line 1"), std::wstring::npos);
  EXPECT_EQ(Text(zhost::ParseResourceScript("STRINGTABLE BEGIN 10 \"\xff\" END"), 10), L"\uFFFD");
}

TEST(ResourceScript, RandomBytesNeverCrash) {
  std::mt19937 random(4711);
  const std::string alphabet = "STRINGTABLE BEGIN END{}\"\\,0123456789\n/*#xL";
  for (int round = 0; round < 200; ++round) {
    std::string text;
    size_t n = random() % 400;
    for (size_t i = 0; i < n; ++i)
      text += round % 2 ? static_cast<char>(random() & 0xFF) : alphabet[random() % alphabet.size()];
    // A buffer of exactly the text, so reading past its end shows up under the sanitizer.
    std::unique_ptr<char[]> exact(new char[text.size() ? text.size() : 1]);
    std::copy(text.begin(), text.end(), exact.get());
    zhost::ResourceScript s = zhost::ParseResourceScript(exact.get(), text.size());
    EXPECT_LE(s.problems.size(), 100u);
  }
  EXPECT_TRUE(zhost::ParseResourceScript(nullptr, 10).strings.entries.empty());
}

}  // namespace
