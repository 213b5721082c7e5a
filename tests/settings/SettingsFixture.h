// Fixture of the settings tests: a fresh application-data folder, the module's resources, clean
// INI globals and (optionally) an option object.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "settings/GlobDimOptions.h"
#include "tests/support/TempDir.h"

class SettingsFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The option object, created on first use and made the module's global.
  CGlobDimOptions& Options();

  // <tmp>/AppData/quillbar/zenkora/
  std::string UserFolder() const;
  std::wstring UserFolderW() const;
  // The main INI file's path as the module computes it.
  std::wstring MainIniW() const;
  std::string MainIni() const;
  // A file of the temporary folder.
  std::string File(const std::string& name) const { return dir.file(name); }
  std::wstring FileW(const std::string& name) const;

  std::wstring Transcript() const;

  zktest::TempDir dir;
  CGlobDimOptions* options = nullptr;

 private:
  bool hadTmpDir_ = false;
  std::string oldTmpDir_;
};

// The value of [section] key= in an INI file on disk, read the Windows way.
std::wstring DiskValue(const std::wstring& file, const wchar_t* section, const wchar_t* key);
