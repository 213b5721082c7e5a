// Files and folders: attributes, folder creation and removal, copy and move rules, the temp
// and application-data folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "tests/support/TempDir.h"

namespace {

class Files : public ::testing::Test {
 protected:
  std::wstring w(const char* name) const { return zhost::FromUtf8(dir.file(name)); }
  zktest::TempDir dir;
};

TEST_F(Files, AttributesAndFolders) {
  EXPECT_EQ(GetFileAttributesW(w("none").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(w("no/deeper").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

  EXPECT_TRUE(CreateDirectoryW(w("sub").c_str(), nullptr));
  EXPECT_FALSE(CreateDirectoryW(w("sub").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(CreateDirectoryW(w("a/b").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW((dir.wpath() + L"\\sub").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));

  zktest::WriteFileBytes(dir.file("sub/f.txt"), "x");
  EXPECT_EQ(GetFileAttributesW(w("sub/f.txt").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
  EXPECT_FALSE(RemoveDirectoryW(w("sub").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));

  ::chmod(dir.file("sub/f.txt").c_str(), 0444);
  EXPECT_EQ(GetFileAttributesW(w("sub/f.txt").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(DeleteFileW(w("sub/f.txt").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_NE(_waccess(w("sub/f.txt").c_str(), 2), 0);
  EXPECT_EQ(_waccess(w("sub/f.txt").c_str(), 0), 0);
  ::chmod(dir.file("sub/f.txt").c_str(), 0644);
  EXPECT_TRUE(DeleteFileW(w("sub/f.txt").c_str()));
  EXPECT_FALSE(PathFileExistsW(w("sub/f.txt").c_str()));
  EXPECT_TRUE(RemoveDirectoryW(w("sub").c_str()));
}

TEST_F(Files, CopyAndMove) {
  zktest::WriteFileBytes(dir.file("a.txt"), "alpha");
  zktest::WriteFileBytes(dir.file("b.txt"), "beta");
  ::chmod(dir.file("a.txt").c_str(), 0600);
  EXPECT_FALSE(CopyFileW(w("a.txt").c_str(), w("b.txt").c_str(), TRUE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  EXPECT_EQ(zktest::ReadFileBytes(dir.file("b.txt")), "beta");
  EXPECT_TRUE(CopyFileW(w("a.txt").c_str(), w("b.txt").c_str(), FALSE));
  EXPECT_EQ(zktest::ReadFileBytes(dir.file("b.txt")), "alpha");
  struct stat st;
  ::stat(dir.file("b.txt").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_FALSE(CopyFileW(w("none").c_str(), w("c.txt").c_str(), FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

  EXPECT_FALSE(MoveFileExW(w("a.txt").c_str(), w("b.txt").c_str(), 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFileExW(w("a.txt").c_str(), w("b.txt").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_FALSE(PathFileExistsW(w("a.txt").c_str()));
  EXPECT_EQ(_wrename(w("b.txt").c_str(), w("c.txt").c_str()), 0);
  zktest::WriteFileBytes(dir.file("d.txt"), "d");
  EXPECT_NE(_wrename(w("c.txt").c_str(), w("d.txt").c_str()), 0);  // an existing target is refused

  FILE* f = _wfopen(w("e.txt").c_str(), L"wt, ccs=UTF-8");
  ASSERT_NE(f, nullptr);
  std::fputs("text", f);
  std::fclose(f);
  EXPECT_EQ(zktest::ReadFileBytes(dir.file("e.txt")), "text");
  EXPECT_EQ(_wremove(w("e.txt").c_str()), 0);
}

TEST_F(Files, TempAndAppDataFolders) {
  wchar_t buffer[MAX_PATH];
  DWORD n = GetTempPathW(MAX_PATH, buffer);
  ASSERT_GT(n, 0u);
  EXPECT_EQ(buffer[n - 1], L'/');
  EXPECT_EQ(GetTempPathW(2, buffer), n + 1);  // too small: the size needed

  std::wstring appData = dir.wpath() + L"/roaming/AppData";
  zhost::SetAppDataFolder(appData + L"/");
  EXPECT_EQ(zhost::AppDataFolder(), appData);
  EXPECT_NE(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, buffer), S_OK);  // not there yet
  EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, buffer), S_OK);
  EXPECT_EQ(std::wstring(buffer), appData);
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("roaming/AppData")));
  EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, buffer), S_OK);
  EXPECT_EQ(std::wstring(buffer), appData + L"/Local");

  zhost::SetAppDataFolder(dir.wpath() + L"/" + std::wstring(MAX_PATH, L'x'));
  EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, buffer), E_FAIL);  // would not fit
  EXPECT_EQ(buffer[0], 0);
  zhost::SetAppDataFolder(L"");
}

}  // namespace
