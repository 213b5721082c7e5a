// Consistency of the shipped resource files: the German and English string tables and the
// parameter description file DimParam.ini.
#include <gtest/gtest.h>

#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/mfc/ResourceScript.h"
#include "host/win/Profile.h"
#include "host/win/TextConv.h"
#include "tests/support/TempDir.h"

namespace {

std::string SourcePath(const char* relative) { return std::string(ZK_SOURCE_DIR) + "/" + relative; }

zhost::ResourceScript LoadScript(const char* relative) {
  return zhost::ParseResourceScript(zktest::ReadFileBytes(SourcePath(relative)));
}

// The printf conversions of a text in order ("%%" is a literal and not listed). A '%' that
// starts no valid conversion is listed with the character after it, so both tables must
// agree on such oddities too.
std::vector<std::wstring> Conversions(const std::wstring& text) {
  static const std::wstring kConversions = L"diouxXeEfFgGaAcCsSpn";
  std::vector<std::wstring> found;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'%') continue;
    if (i + 1 < text.size() && text[i + 1] == L'%') {
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < text.size() && std::wcschr(L"-+ #0", text[j])) ++j;
    while (j < text.size() && (std::iswdigit(text[j]) || text[j] == L'*')) ++j;
    if (j < text.size() && text[j] == L'.') {
      ++j;
      while (j < text.size() && (std::iswdigit(text[j]) || text[j] == L'*')) ++j;
    }
    while (j < text.size() && std::wcschr(L"hlLqjztI", text[j])) ++j;
    const bool valid = j < text.size() && kConversions.find(text[j]) != std::wstring::npos;
    const size_t end = j < text.size() ? j + 1 : j;
    found.push_back((valid ? L"" : L"invalid ") + text.substr(i, end - i));
    i = end - 1;
  }
  return found;
}

size_t LeadingLineBreaks(const std::wstring& text) {
  size_t n = 0;
  while (n < text.size() && text[n] == L'\n') ++n;
  return n;
}

TEST(ResourceFiles, BothStringTablesParseCleanly) {
  for (const char* file : {"resources/zenkoraDEU.rc", "resources/zenkoraENU.rc"}) {
    const zhost::ResourceScript script = LoadScript(file);
    EXPECT_TRUE(script.problems.empty()) << file << ": " << zhost::ToUtf8(script.problems.front());
    EXPECT_GT(script.strings.entries.size(), 100u) << file;
    for (const auto& [id, text] : script.strings.entries) EXPECT_FALSE(text.empty()) << file << " id " << id;
  }
}

TEST(ResourceFiles, TranslationKeepsIdsConversionsAndLeadingLineBreaks) {
  const zhost::ResourceScript german = LoadScript("resources/zenkoraDEU.rc");
  const zhost::ResourceScript english = LoadScript("resources/zenkoraENU.rc");
  for (const auto& [id, text] : german.strings.entries) {
    const std::wstring* translated = english.strings.find(id);
    if (!translated) {
      ADD_FAILURE() << "id " << id << " has no English text";
      continue;
    }
    EXPECT_EQ(Conversions(text), Conversions(*translated)) << "id " << id;
    EXPECT_EQ(LeadingLineBreaks(text), LeadingLineBreaks(*translated)) << "id " << id;
  }
  for (const auto& entry : english.strings.entries)
    EXPECT_NE(german.strings.find(entry.first), nullptr) << "id " << entry.first << " has no German text";
}

TEST(ResourceFiles, ConversionScanSeesWhatPrintfSees) {
  using V = std::vector<std::wstring>;
  EXPECT_EQ(Conversions(L"X(%.2f,%5d) %s 100%% %-3ld"), (V{L"%.2f", L"%5d", L"%s", L"%-3ld"}));
  EXPECT_EQ(Conversions(L"Größe [%]"), (V{L"invalid %]"}));
  EXPECT_EQ(Conversions(L"ends in %"), (V{L"invalid %"}));
}

TEST(ResourceFiles, GermanTextsKeepTheirExactCharacters) {
  const zhost::ResourceScript german = LoadScript("resources/zenkoraDEU.rc");
  const std::map<UINT, std::wstring> expected = {
      {7099, L"\"%d Eintragungen wurden ersetzt."},
      {7102, L"BMa\u00df"},
      {32873, L"<Unbekannt>"},
      {32897, L"<beibehalten>"},
      {32947, L"Layer \"0\" ist verboten."},
      {32820, L"\n    Rotation: %.1f (%.1f)"},
      {32830, L"Unbekanntes PROBLEM beim Kopieren der Datei:\n%s\n->\n%s"},
  };
  for (const auto& [id, text] : expected) {
    const std::wstring* found = german.strings.find(id);
    ASSERT_NE(found, nullptr) << "id " << id;
    EXPECT_EQ(*found, text) << "id " << id;
  }
}

// DimParam.ini is read as "Item_%d" lists (reading stops at the first gap) of pairs
// KEY=<digit><label>;<description>.
TEST(ResourceFiles, ParameterDescriptionsAreWellFormedLists) {
  const std::wstring file = zhost::FromUtf8(SourcePath("resources/DimParam.ini"));
  std::set<std::wstring> keys;
  for (const wchar_t* section : {L"Parameters_INT", L"Parameters_DBL", L"Parameters_STR", L"Parameters_General"}) {
    const std::string where = zhost::ToUtf8(section);
    std::wstring last;
    int count = 0;
    for (;; ++count) {
      wchar_t buffer[512] = {};
      const std::wstring item = L"Item_" + std::to_wstring(count);
      GetPrivateProfileStringW(section, item.c_str(), L"", buffer, 512, file.c_str());
      const std::wstring value = buffer;
      if (value.empty()) break;
      const size_t equals = value.find(L'=');
      ASSERT_NE(equals, std::wstring::npos) << where << " " << zhost::ToUtf8(item);
      const std::wstring key = value.substr(0, equals);
      const std::wstring text = value.substr(equals + 1);
      EXPECT_TRUE(keys.insert(key).second) << "duplicate key " << zhost::ToUtf8(key);
      EXPECT_EQ(text.find(L'='), std::wstring::npos) << zhost::ToUtf8(key);
      ASSERT_GE(text.size(), 4u) << zhost::ToUtf8(key);
      EXPECT_TRUE(std::iswdigit(text[0])) << zhost::ToUtf8(key);
      const size_t semicolon = text.find(L';');
      ASSERT_NE(semicolon, std::wstring::npos) << zhost::ToUtf8(key);
      EXPECT_GT(semicolon, 1u) << "empty label for " << zhost::ToUtf8(key);
      EXPECT_LT(semicolon + 1, text.size()) << "empty description for " << zhost::ToUtf8(key);
      last = value;
    }
    EXPECT_GT(count, 0) << where;
    wchar_t lastItem[512] = {};
    GetPrivateProfileStringW(section, L"LastItem", L"", lastItem, 512, file.c_str());
    EXPECT_EQ(std::wstring(lastItem), last) << where;
  }
  // Keys whose two modes differ appear under both names, and formatting rules live in the
  // option file while per-user switches stay in the main INI file.
  for (const wchar_t* key : {L"MCmFrom10", L"HIsReducedSize", L"TickSize", L"HDimSize", L"DimDescription",
                             L"HK_Auto_Handle1", L"AcadDimAssociative", L"AltFormatList"})
    EXPECT_EQ(keys.count(key), 1u) << zhost::ToUtf8(key);
  wchar_t value[512] = {};
  GetPrivateProfileStringW(L"Parameters_DBL", L"Item_1", L"", value, 512, file.c_str());
  EXPECT_EQ(std::wstring(value).rfind(L"TextHeight=1", 0), 0u);
}

}  // namespace
