// The main INI file, the two caches, their write-back and the reads and writes through them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "settings/IniFiles.h"
#include "tests/settings/SettingsFixture.h"
#include "tests/support/TempDir.h"

namespace {

using IniFiles = SettingsFixture;

TEST_F(IniFiles, MainFileIsCreatedWithItsStartEntries) {
  CString path = GetIniFileName();
  EXPECT_EQ(std::wstring(path), MainIniW());
  std::wstring file = path.str();
  EXPECT_EQ(DiskValue(file, L"General Info", L"OptionsActivePage"), L"0");
  EXPECT_EQ(DiskValue(file, L"General Info", L"DefaultSection"), L"Decimal");
  EXPECT_EQ(DiskValue(file, L"General Info", L"TextMoveStep"), L"5");
  EXPECT_EQ(DiskValue(file, L"General Info", L"CurOptionsFile"), file);
  EXPECT_EQ(DiskValue(file, L"OptionsFiles", L"Item_0"), file);
  // Written at once, not through the cache.
  EXPECT_EQ(IniBufferCount(INI_BUFFER_MAIN), 0);
  EXPECT_FALSE(IsIniBufferDirty(INI_BUFFER_MAIN));
}

TEST_F(IniFiles, ExistingMainFileIsLeftAsItIs) {
  zktest::WriteFileBytes(MainIni(), "[General Info]\r\nTextMoveStep=9\r\n");
  GetIniFileName();
  EXPECT_EQ(zktest::ReadFileBytes(MainIni()), "[General Info]\r\nTextMoveStep=9\r\n");
}

TEST_F(IniFiles, MissingZenkoraIniGetsTheDefaultsOnADiskRead) {
  std::wstring file = FileW("sub/zenkora.ini");
  zktest::WriteFileBytes(File("sub/keep.txt"), "");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"MainOptions", L"Scale")), L"1:100");
  EXPECT_EQ(DiskValue(file, L"MainOptions", L"TickSize"), L"4");
  EXPECT_EQ(DiskValue(file, L"DH_MainOptions", L"HDimSize"), L"5");
  EXPECT_EQ(DiskValue(file, L"TXT_MainOptions", L"TextHeight"), L"50");
  // Any other missing file reads as empty and is not created.
  std::wstring other = FileW("sub/other.ini");
  EXPECT_EQ(std::wstring(ReadEntryFromDisk(other.c_str(), L"MainOptions", L"Scale")), L"");
  EXPECT_FALSE(IniFileExists(other.c_str()));
}

TEST_F(IniFiles, DiskReadWithoutKeyReadsGeneralInfo) {
  std::wstring file = FileW("a.ini");
  zktest::WriteFileBytes(File("a.ini"), "[General Info]\nDebugMsg=1\n");
  EXPECT_EQ(std::wstring(ReadEntryFromDisk(file.c_str(), L"DebugMsg", nullptr)), L"1");
}

TEST_F(IniFiles, ReadsAreCachedUntilACleared) {
  std::wstring file = FileW("a.ini");
  zktest::WriteFileBytes(File("a.ini"), "[S]\nK=one\n");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"S", L"K")), L"one");
  zktest::WriteFileBytes(File("a.ini"), "[S]\nK=two\n");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"S", L"K")), L"one");
  EXPECT_EQ(std::wstring(ReadEntryFromDisk(file.c_str(), L"S", L"K")), L"two");
  SaveIniBuffer(INI_BUFFER_OTHER, true);
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"S", L"K")), L"two");
}

TEST_F(IniFiles, DeferredWriteReachesTheFileAtWriteBackOnly) {
  std::wstring file = FileW("a.ini");
  zktest::WriteFileBytes(File("a.ini"), "; mine\n[S]\nOld=1\n\n[T]\nX=y\n");
  WriteEntryDeferred(file.c_str(), L"S", L"New", L"2");
  EXPECT_TRUE(IsIniBufferDirty(INI_BUFFER_OTHER));
  EXPECT_EQ(DiskValue(file, L"S", L"New"), L"");
  FlushIni();
  EXPECT_FALSE(IsIniBufferDirty(INI_BUFFER_OTHER));
  EXPECT_EQ(DiskValue(file, L"S", L"New"), L"2");
  // Every other line stays.
  EXPECT_EQ(DiskValue(file, L"S", L"Old"), L"1");
  EXPECT_EQ(DiskValue(file, L"T", L"X"), L"y");
  EXPECT_NE(zktest::ReadFileBytes(File("a.ini")).find("; mine"), std::string::npos);
}

TEST_F(IniFiles, ImmediateWriteGoesToCacheAndFile) {
  std::wstring file = FileW("a.ini");
  WriteEntryToIni(file.c_str(), L"S", L"K", L"v");
  EXPECT_EQ(DiskValue(file, L"S", L"K"), L"v");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"S", L"K")), L"v");
}

TEST_F(IniFiles, EqualDeferredWriteSetsNoDirtyFlag) {
  std::wstring file = FileW("a.ini");
  zktest::WriteFileBytes(File("a.ini"), "[S]\nK=same\n");
  ReadEntryFromIni(file.c_str(), L"S", L"K");
  WriteEntryDeferred(file.c_str(), L"S", L"K", L"same");
  EXPECT_FALSE(IsIniBufferDirty(INI_BUFFER_OTHER));
  // Changed on disk meanwhile: an unchanged cache does not write over it.
  zktest::WriteFileBytes(File("a.ini"), "[S]\nK=other\n");
  FlushIni();
  EXPECT_EQ(zktest::ReadFileBytes(File("a.ini")), "[S]\nK=other\n");
}

TEST_F(IniFiles, SwitchingTheOtherFileWritesBackTheOldOne) {
  std::wstring x = FileW("x.ini"), y = FileW("y.ini");
  zktest::WriteFileBytes(File("x.ini"), "[S]\nA=x\n");
  zktest::WriteFileBytes(File("y.ini"), "[S]\nA=y\n");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(x.c_str(), L"S", L"A")), L"x");
  WriteEntryDeferred(x.c_str(), L"S", L"B", L"changed");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(y.c_str(), L"S", L"A")), L"y");
  EXPECT_EQ(DiskValue(x, L"S", L"B"), L"changed");
  EXPECT_EQ(std::wstring(IniBufferFile(INI_BUFFER_OTHER)), y);
  EXPECT_EQ(IniBufferCount(INI_BUFFER_OTHER), 1);
  EXPECT_FALSE(IsIniBufferDirty(INI_BUFFER_OTHER));
}

TEST_F(IniFiles, MissingFileAtWriteBackIsNotCreated) {
  std::wstring file = FileW("gone.ini");
  zktest::WriteFileBytes(File("gone.ini"), "[S]\n");
  WriteEntryDeferred(file.c_str(), L"S", L"K", L"v");
  _wremove(file.c_str());
  SaveIniBuffer(INI_BUFFER_OTHER, true);
  EXPECT_FALSE(IniFileExists(file.c_str()));
  EXPECT_EQ(IniBufferCount(INI_BUFFER_OTHER), 0);
}

TEST_F(IniFiles, ConvertSectionLivesInTheOptionFile) {
  std::wstring optionFile = FileW("opt.ini");
  zktest::WriteFileBytes(File("opt.ini"), "[Convert]\nAssociative=1\n");
  Options().strCurOptionsFile = optionFile.c_str();
  EXPECT_EQ(ReadIniInt(L"Convert", L"Associative"), 1);
  WriteIniInt(L"Convert", L"AllDwg", 1);
  WriteIniString(L"DlgReplace", L"Replace", L"abc");
  FlushIni();
  EXPECT_EQ(DiskValue(optionFile, L"Convert", L"AllDwg"), L"1");
  EXPECT_EQ(DiskValue(MainIniW(), L"DlgReplace", L"Replace"), L"abc");
  EXPECT_EQ(DiskValue(optionFile, L"DlgReplace", L"Replace"), L"");
}

TEST_F(IniFiles, GeneralInfoForms) {
  WriteGeneralInfoInt(L"LastMode", 3);
  WriteGeneralInfoString(L"Position", L"1,2,3,4,0");
  EXPECT_EQ(ReadGeneralInfoInt(L"LastMode"), 3);
  EXPECT_EQ(std::wstring(ReadGeneralInfoString(L"Position")), L"1,2,3,4,0");
  EXPECT_EQ(DiskValue(MainIniW(), L"General Info", L"LastMode"), L"");
  FlushIni();
  EXPECT_EQ(DiskValue(MainIniW(), L"General Info", L"LastMode"), L"3");
}

TEST_F(IniFiles, SetIniFileNameWritesBackAndMovesTheMainFile) {
  WriteGeneralInfoInt(L"LastMode", 4);
  std::wstring moved = FileW("moved/Zenkora.ini");
  zktest::WriteFileBytes(File("moved/Zenkora.ini"), "[General Info]\nLastMode=7\n");
  SetIniFileName(moved.c_str());
  EXPECT_EQ(DiskValue(MainIniW(), L"General Info", L"LastMode"), L"4");
  EXPECT_EQ(IniBufferCount(INI_BUFFER_MAIN), 0);
  EXPECT_EQ(std::wstring(GetIniFileName()), moved);
  EXPECT_EQ(ReadGeneralInfoInt(L"LastMode"), 7);
  SetIniFileName(L"");
  EXPECT_EQ(std::wstring(GetIniFileName()), MainIniW());
}

TEST_F(IniFiles, ValuesAreCutAt511Characters) {
  std::string longValue(5000, 'v');
  zktest::WriteFileBytes(File("a.ini"), "[S]\nK=" + longValue + "\n");
  std::wstring file = FileW("a.ini");
  CString value = ReadEntryFromIni(file.c_str(), L"S", L"K");
  EXPECT_EQ(value.GetLength(), 511);
  EXPECT_EQ(std::wstring(value), std::wstring(511, L'v'));
}

TEST_F(IniFiles, BadFilesNeverCrashNorLoseOtherEntries) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
  std::string longLine(100000, 'x');
  std::string text = "[S]\nKeep=1\n" + garbage + "\n" + longLine + "\n[T]\nL=" + longLine + "\nM=2\n";
  zktest::WriteFileBytes(File("bad.ini"), text);
  std::wstring file = FileW("bad.ini");
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"S", L"Keep")), L"1");
  EXPECT_EQ(ReadEntryFromIni(file.c_str(), L"T", L"L").GetLength(), 511);
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"Missing", L"K")), L"");
  WriteEntryDeferred(file.c_str(), L"S", L"Added", L"3");
  FlushIni();
  EXPECT_EQ(DiskValue(file, L"S", L"Added"), L"3");
  EXPECT_EQ(DiskValue(file, L"S", L"Keep"), L"1");
  EXPECT_EQ(DiskValue(file, L"T", L"M"), L"2");
  // Values that were only read go nowhere: neither the cut long value nor the missing key.
  std::string after = zktest::ReadFileBytes(File("bad.ini"));
  EXPECT_NE(after.find("L=" + longLine + "\n"), std::string::npos);
  EXPECT_EQ(after.find("[Missing]"), std::string::npos);
  EXPECT_EQ(after.size(), text.size() + std::string("Added=3\n").size());
}

TEST_F(IniFiles, ReadOnlyFileIsLeftUntouched) {
  zktest::WriteFileBytes(File("ro.ini"), "[S]\nK=1\n");
  chmod(File("ro.ini").c_str(), 0444);
  std::wstring file = FileW("ro.ini");
  WriteEntryDeferred(file.c_str(), L"S", L"K", L"2");
  FlushIni();
  WriteEntryToIni(file.c_str(), L"S", L"J", L"3");
  EXPECT_EQ(zktest::ReadFileBytes(File("ro.ini")), "[S]\nK=1\n");
  // The cache keeps what was written.
  EXPECT_EQ(std::wstring(ReadEntryFromIni(file.c_str(), L"S", L"K")), L"2");
}

TEST_F(IniFiles, UnusableUserFolderFallsBackToTheTemporaryFolder) {
  // The application-data folder is a file, so its subfolders cannot be made.
  zktest::WriteFileBytes(File("AppData"), "not a folder");
  CString path = GetIniFileName();
  EXPECT_EQ(std::wstring(path), std::wstring(GetTempFolder()) + L"Zenkora.ini");
  EXPECT_EQ(GetTempFolder().Find(dir.wpath().c_str()), 0);
  EXPECT_TRUE(IniFileExists(path));
}

}  // namespace
