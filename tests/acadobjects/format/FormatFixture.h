// Fixture of the formatter tests: the module's resources, a fresh application-data folder and
// temporary folder, clean INI state and an option object loaded with its defaults.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <string>

#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"
#include "settings/GlobDimOptions.h"
#include "tests/support/ModuleTestEnvironment.h"
#include "tests/support/TempDir.h"

// One option set of the chain mode, as a chain carries it.
struct OptionArrays {
  CStringArray strings;
  CUIntArray ints;
  CArray<double, double> doubles;
};

class FormatFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A copy of the option object's chain set with the given unit, decimals and drawing units per
  // millimetre; no rounding, no trimming, "." as separator, no option file.
  OptionArrays Set(const wchar_t* unit, int decimals, double acadUnits = 0.001) const;

  zktest::TempDir dir;
  CGlobDimOptions* options = nullptr;

 private:
  std::unique_ptr<zktest::ModuleTestEnvironment> env_;
};
