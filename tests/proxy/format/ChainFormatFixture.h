// Fixture of the chain text tests: the module's resources, fresh application-data and temporary
// folders, clean INI state, an option object loaded with its defaults and a straight chain in a
// metre drawing.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "tests/support/ModuleTestEnvironment.h"
#include "tests/support/TempDir.h"

class ChainFormatFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A horizontal chain with one extension at each x (dimension line at y = 1), every segment
  // record holding an empty measurement ("#8"); the chain set of the option object with the
  // given unit and decimals, no rounding, trimming, option file, label or status words, and the
  // global alternate units off.
  QBdim* MakeChain(const wchar_t* unit, int decimals, std::initializer_list<double> xs);

  zktest::TempDir dir;
  CGlobDimOptions* options = nullptr;

 private:
  std::unique_ptr<QBdim> chain_;
  std::unique_ptr<zktest::ModuleTestEnvironment> env_;
};
