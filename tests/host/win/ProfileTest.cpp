// The INI functions against real files: lookup rules, line-preserving writes, deletes, list
// forms with their truncation, and files that are broken, huge, read-only or out of reach.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "host/win/Files.h"
#include "host/win/Profile.h"
#include "host/win/TextConv.h"
#include "tests/support/TempDir.h"

using namespace std::string_literals;

namespace {

class Profile : public ::testing::Test {
 protected:
  std::wstring path(const char* name = "test.ini") const { return zhost::FromUtf8(dir.file(name)); }
  void write(const std::string& bytes, const char* name = "test.ini") const { zktest::WriteFileBytes(dir.file(name), bytes); }
  std::string read(const char* name = "test.ini") const { return zktest::ReadFileBytes(dir.file(name)); }
  std::wstring get(const wchar_t* section, const wchar_t* key, const wchar_t* def = L"<def>", DWORD size = 4096) const {
    std::wstring buffer(size, L'?');
    DWORD n = GetPrivateProfileStringW(section, key, def, buffer.data(), size, path().c_str());
    return buffer.substr(0, n);
  }
  zktest::TempDir dir;
};

TEST_F(Profile, LookupRules) {
  write(
      "; comment=not a key\r\n"
      "Before=outside any section\r\n"
      "[General Info]\r\n"
      "  Name = Value  \r\n"
      "Quoted=\"  spaced  \"\r\n"
      "Single='x'\r\n"
      "Half=\"open\r\n"
      "NoEquals line\r\n"
      "Empty=\r\n"
      "dup=first\r\n"
      "DUP=second\r\n"
      "[general info]\r\n"
      "Name=shadowed\r\n"
      "Other=only in the second\r\n"
      "[ \xC3\x9C" "mlaut ]\r\n"
      "Gr\xC3\xB6\xC3\x9F" "e=1\r\n");
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* want;
  } cases[] = {
      {L"General Info", L"Name", L"Value"},
      {L"GENERAL INFO", L"nAmE", L"Value"},
      {L" General Info ", L" Name ", L"Value"},
      {L"General Info", L"Quoted", L"  spaced  "},
      {L"General Info", L"Single", L"x"},
      {L"General Info", L"Half", L"\"open"},
      {L"General Info", L"NoEquals line", L"<def>"},
      {L"General Info", L"Empty", L""},
      {L"General Info", L"dup", L"first"},
      {L"General Info", L"Other", L"<def>"},
      {L"General Info", L"; comment", L"<def>"},
      {L"General Info", L"Before", L"<def>"},
      {L"\u00FCMLAUT", L"GR\u00D6\u00DFE", L"1"},
      {L"Missing", L"Name", L"<def>"},
  };
  for (const auto& c : cases) EXPECT_EQ(get(c.section, c.key), c.want) << c.section << L"/" << c.key;
  EXPECT_EQ(get(L"Missing", L"Name", L"def  "), L"def");  // trailing blanks of the default go
  EXPECT_EQ(get(L"Missing", L"Name", nullptr), L"");
}

TEST_F(Profile, MissingFileReadsAsEmpty) {
  EXPECT_EQ(get(L"A", L"k"), L"<def>");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetPrivateProfileIntW(L"A", L"k", 17, path().c_str()), 17u);
  wchar_t list[8] = {L'?', L'?', L'?'};
  EXPECT_EQ(GetPrivateProfileSectionNamesW(list, 8, path().c_str()), 0u);
  EXPECT_EQ(list[0], 0);
  EXPECT_EQ(list[1], 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("test.ini")));
}

struct WriteCase {
  const char* what;
  std::string before;
  std::function<BOOL(LPCWSTR)> op;
  std::string after;
};

TEST_F(Profile, WritesKeepEveryOtherLineByteForByte) {
  WriteCase cases[] = {
      {"replace keeps the key's spelling and spacing", "; c\r\n[A]\r\n  Key = old ; x\r\nj=1\r\n\r\n[B]\r\nkey=2\r\n",
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"a", L"KEY", L"new", f); },
       "; c\r\n[A]\r\n  Key = new\r\nj=1\r\n\r\n[B]\r\nkey=2\r\n"},
      {"new key after the section's last key line", "[A]\r\nk=1\r\n; trailing comment\r\n\r\n[B]\r\n",
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"A", L"n", L"v", f); },
       "[A]\r\nk=1\r\nn=v\r\n; trailing comment\r\n\r\n[B]\r\n"},
      {"new key in a section without keys", "[A]\r\n[B]\r\nx=1",
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"A", L"n", L"v", f); }, "[A]\r\nn=v\r\n[B]\r\nx=1"},
      {"new section at the end, LF file stays LF", "[A]\nx=1",
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"C", L"k", L"v", f); }, "[A]\nx=1\n[C]\nk=v\n"},
      {"new file", "", [](LPCWSTR f) { return WritePrivateProfileStringW(L"S", L"k", L"v", f); }, "[S]\r\nk=v\r\n"},
      {"null value deletes every line of the key", "[A]\r\nk=1\r\nj=2\r\nK=3\r\n[B]\r\nk=4\r\n",
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"A", L"k", nullptr, f); }, "[A]\r\nj=2\r\n[B]\r\nk=4\r\n"},
      {"null key deletes every section of the name", "x\r\n[A]\r\nk=1\r\n; c\r\n[B]\r\nj=2\r\n[a]\r\nm=3\r\n",
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"A", nullptr, nullptr, f); }, "x\r\n[B]\r\nj=2\r\n"},
      {"BOM kept", "\xEF\xBB\xBF[A]\r\nk=1\r\n", [](LPCWSTR f) { return WritePrivateProfileStringW(L"A", L"k", L"2", f); },
       "\xEF\xBB\xBF[A]\r\nk=2\r\n"},
      {"garbage kept", "\x01\x02garbage\0\xff\r\n[A]\r\nk=1\r\n\xfe\xfe\r\n"s,
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"A", L"k", L"2", f); },
       "\x01\x02garbage\0\xff\r\n[A]\r\nk=2\r\n\xfe\xfe\r\n"s},
      {"duplicate section: the first is written", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n",
       [](LPCWSTR f) { return WritePrivateProfileStringW(L"a", L"k", L"3", f); }, "[A]\r\nk=3\r\n[a]\r\nk=2\r\n"},
      {"section write replaces the section's lines", "[A]\r\nk=1\r\n; c\r\n[B]\r\nj=2\r\n",
       [](LPCWSTR f) { return WritePrivateProfileSectionW(L"A", L"x=1\0y=2\0", f); }, "[A]\r\nx=1\r\ny=2\r\n[B]\r\nj=2\r\n"},
      {"section write of a new section", "[B]\r\nj=2",
       [](LPCWSTR f) { return WritePrivateProfileSectionW(L"A", L"x=1\0", f); }, "[B]\r\nj=2\r\n[A]\r\nx=1\r\n"},
      {"section write with null deletes", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n",
       [](LPCWSTR f) { return WritePrivateProfileSectionW(L"A", nullptr, f); }, "[B]\r\nj=2\r\n"},
      {"UTF-8 text", "", [](LPCWSTR f) { return WritePrivateProfileStringW(L"Ma\u00DFe", L"Stra\u00DFe", L"\u20AC 5", f); },
       "[Ma\xC3\x9F" "e]\r\nStra\xC3\x9F" "e=\xE2\x82\xAC 5\r\n"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(dir.file("test.ini"));
    if (!c.before.empty()) write(c.before);
    EXPECT_TRUE(c.op(path().c_str())) << c.what;
    EXPECT_EQ(read(), c.after) << c.what;
  }
}

TEST_F(Profile, WrittenValuesReadBack) {
  ASSERT_TRUE(WritePrivateProfileStringW(L"Ma\u00DFe", L"Text", L"\u20AC 5", path().c_str()));
  ASSERT_TRUE(WritePrivateProfileStringW(L"Other", L"Quoted", L"\"a b\"", path().c_str()));
  EXPECT_EQ(get(L"MA\u00DFE", L"text"), L"\u20AC 5");
  EXPECT_EQ(get(L"Other", L"Quoted"), L"a b");
  // Deleting from a file that does not exist creates nothing.
  EXPECT_TRUE(WritePrivateProfileStringW(L"A", L"k", nullptr, path("none.ini").c_str()));
  EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));
}

TEST_F(Profile, ListFormsAndTruncation) {
  write("[A]\r\nk1=v\r\nk2=abcdef\r\nK1=dup\r\nbare line\r\n[B]\r\n[a]\r\nk3=x\r\n");
  wchar_t buf[64];
  auto list = [&](DWORD n) { return std::wstring(buf, n + 1); };  // up to the final NUL

  EXPECT_EQ(GetPrivateProfileSectionNamesW(buf, 64, path().c_str()), 4u);
  EXPECT_EQ(list(4), L"A\0B\0\0"s);
  EXPECT_EQ(GetPrivateProfileStringW(nullptr, nullptr, L"def", buf, 5, path().c_str()), 4u);  // just fits
  EXPECT_EQ(GetPrivateProfileStringW(nullptr, nullptr, L"def", buf, 4, path().c_str()), 2u);  // nSize - 2
  EXPECT_EQ(std::wstring(buf, 4), L"A\0\0\0"s);

  EXPECT_EQ(GetPrivateProfileStringW(L"a", nullptr, L"def", buf, 64, path().c_str()), 6u);
  EXPECT_EQ(list(6), L"k1\0k2\0\0"s);
  EXPECT_EQ(GetPrivateProfileStringW(L"a", nullptr, L"def", buf, 5, path().c_str()), 3u);
  EXPECT_EQ(std::wstring(buf, 5), L"k1\0\0\0"s);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MORE_DATA));
  EXPECT_EQ(GetPrivateProfileStringW(L"Missing", nullptr, L"def", buf, 64, path().c_str()), 0u);
  EXPECT_EQ(std::wstring(buf, 2), L"\0\0"s);

  EXPECT_EQ(GetPrivateProfileStringW(L"A", L"k2", L"", buf, 4, path().c_str()), 3u);  // nSize - 1
  EXPECT_EQ(std::wstring(buf), L"abc");
  EXPECT_EQ(GetPrivateProfileStringW(L"A", L"k2", L"", buf, 7, path().c_str()), 6u);
  EXPECT_EQ(std::wstring(buf), L"abcdef");

  DWORD n = GetPrivateProfileSectionW(L"A", buf, 64, path().c_str());
  EXPECT_EQ(list(n), L"k1=v\0k2=abcdef\0K1=dup\0bare line\0\0"s);
  EXPECT_EQ(GetPrivateProfileSectionW(L"A", buf, 8, path().c_str()), 6u);
  EXPECT_EQ(std::wstring(buf, 8), L"k1=v\0k\0\0"s);
}

TEST_F(Profile, IntegerValues) {
  write("[N]\r\na=42\r\nb=-7\r\nc=+5\r\nd=12abc\r\ne=abc\r\nf=\r\ng=  9  \r\nh=\"3\"\r\n");
  struct Case {
    const wchar_t* key;
    UINT want;
  } cases[] = {{L"a", 42}, {L"b", static_cast<UINT>(-7)}, {L"c", 5}, {L"d", 12}, {L"e", 0},
               {L"f", 99}, {L"g", 9}, {L"h", 3}, {L"missing", 99}};
  for (const auto& c : cases) EXPECT_EQ(GetPrivateProfileIntW(L"N", c.key, 99, path().c_str()), c.want) << c.key;
}

TEST_F(Profile, BrokenAndHugeFilesReadSafely) {
  std::mt19937 random(12345);
  std::string garbage;
  for (int i = 0; i < 65536; ++i) garbage += static_cast<char>(random() & 0xFF);
  std::string big(100000, 'x');
  std::string content = garbage + "\r\n[A]\r\nk=va\0lue\r\nj\0=1\r\nlong="s + big + "\r\n" + std::string(100000, 'y') +
                        "\r\n" + garbage;
  write(content);
  EXPECT_EQ(get(L"A", L"k"), L"va");      // a line counts up to its NUL
  EXPECT_EQ(get(L"A", L"j"), L"<def>");   // "j" alone before the NUL: no key
  EXPECT_EQ(get(L"A", L"long", L"", 200000), zhost::FromUtf8(big));
  EXPECT_EQ(get(L"A", L"long", L"", 512).size(), 511u);
  EXPECT_EQ(get(L"NoSuch", L"k"), L"<def>");
  wchar_t names[16];
  GetPrivateProfileSectionNamesW(names, 16, path().c_str());  // any garbage "[...]" lines may list

  ASSERT_TRUE(WritePrivateProfileStringW(L"New", L"k", L"v", path().c_str()));
  std::string after = read();
  ASSERT_GE(after.size(), content.size());
  EXPECT_EQ(after.substr(0, content.size()), content);
  EXPECT_EQ(get(L"New", L"k"), L"v");
}

TEST_F(Profile, ReadOnlyFileIsRefusedAndUntouched) {
  std::string content = "[A]\r\nk=1\r\n";
  write(content);
  ::chmod(dir.file("test.ini").c_str(), 0444);
  SetLastError(0);
  EXPECT_FALSE(WritePrivateProfileStringW(L"A", L"k", L"2", path().c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(WritePrivateProfileStringW(L"A", nullptr, nullptr, path().c_str()));
  EXPECT_FALSE(WritePrivateProfileSectionW(L"A", L"x=1\0", path().c_str()));
  EXPECT_EQ(read(), content);
  EXPECT_EQ(get(L"A", L"k"), L"1");
}

TEST_F(Profile, MissingFolderIsNotCreated) {
  std::wstring file = zhost::FromUtf8(dir.file("no/such/folder.ini"));
  EXPECT_FALSE(WritePrivateProfileStringW(L"A", L"k", L"v", file.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
}

TEST_F(Profile, ReplacesSafelyKeepingPermissions) {
  write("[A]\r\nk=1\r\n");
  ::chmod(dir.file("test.ini").c_str(), 0640);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(WritePrivateProfileStringW(L"A", L"k", std::to_wstring(i).c_str(), path().c_str()));
  struct stat st;
  ASSERT_EQ(::stat(dir.file("test.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);  // no temporary file left behind
}

TEST_F(Profile, BackslashPathsAndSymbolicLinks) {
  std::wstring windowsStyle = dir.wpath() + L"\\sub.ini";
  ASSERT_TRUE(WritePrivateProfileStringW(L"A", L"k", L"v", windowsStyle.c_str()));
  EXPECT_EQ(read("sub.ini"), "[A]\r\nk=v\r\n");
  std::filesystem::create_symlink(dir.file("sub.ini"), dir.file("link.ini"));
  ASSERT_TRUE(WritePrivateProfileStringW(L"A", L"k", L"w", path("link.ini").c_str()));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
  EXPECT_EQ(read("sub.ini"), "[A]\r\nk=w\r\n");
}

TEST_F(Profile, NamesAndValuesThatWouldBreakTheFileAreRefused) {
  std::string content = "[A]\r\nk=1\r\n";
  write(content);
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
  } cases[] = {{L"A", L"k", L"1\r\n[Evil]\r\nx=1"}, {L"A", L"a=b", L"v"}, {L"A]x", L"k", L"v"},
               {L"A", L"[B]", L"v"}, {L"A", L";c", L"v"}, {L"A", L"  ", L"v"}, {L"A\nB", L"k", L"v"}};
  for (const auto& c : cases) {
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringW(c.section, c.key, c.value, path().c_str())) << c.key;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  EXPECT_FALSE(WritePrivateProfileSectionW(L"A", L"x=1\0[B]\0", path().c_str()));
  EXPECT_EQ(read(), content);
}

}  // namespace
