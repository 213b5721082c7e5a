// The trace log: written only while "DebugMsg" is on, its path shown once, deleted at the end.
#include <gtest/gtest.h>

#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "tests/settings/SettingsFixture.h"

namespace {

using DebugLog = SettingsFixture;

TEST_F(DebugLog, NothingWithoutOptionObjectOrSwitch) {
  TraceMsg(L"lost\n");
  Options().bDebugMsg = false;
  TraceMsgF(L"lost %d\n", 1);
  EXPECT_EQ(GetFileAttributesW(GetDebugLogPath()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(Transcript().empty());
}

TEST_F(DebugLog, AppendsAndShowsThePathOnce) {
  Options().bDebugMsg = true;
  TraceMsg(L"first\n");
  TraceMsgF(L"%s=%d;", L"Stra\u00dfe", 42);
  CString path = GetDebugLogPath();
  EXPECT_EQ(path.Find(dir.wpath().c_str()), 0);
  EXPECT_EQ(zktest::ReadFileBytes(zhost::ToFsPath(path.str())), "first\nStra\xC3\x9F" "e=42;");
  std::wstring transcript = Transcript();
  EXPECT_NE(transcript.find(L"zenkora"), std::wstring::npos);
  size_t first = transcript.find(path.str());
  ASSERT_NE(first, std::wstring::npos);
  EXPECT_EQ(transcript.find(path.str(), first + 1), std::wstring::npos);
}

TEST_F(DebugLog, LongFormattedTraceIsCut) {
  Options().bDebugMsg = true;
  std::wstring big(5000, L'x');
  TraceMsgF(L"%s", big.c_str());
  EXPECT_EQ(zktest::ReadFileBytes(zhost::ToFsPath(GetDebugLogPath().str())).size(), 1023u);
}

TEST_F(DebugLog, DeleteRemovesTheFile) {
  EXPECT_TRUE(DeleteDebugLog());
  Options().bDebugMsg = true;
  TraceMsg(L"x");
  EXPECT_TRUE(DeleteDebugLog());
  EXPECT_EQ(GetFileAttributesW(GetDebugLogPath()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
