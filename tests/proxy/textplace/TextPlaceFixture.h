// Fixture of the text placement tests: a fresh application-data folder, the option object loaded
// with its defaults and set to 1:100 with text height 50, text offset 50 % and metre texts (so a
// text is H = 0.5 high with a gap g = 0.25), the chain class registered and a working drawing.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "host/ge/AcGePoint3d.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "tests/support/ModuleTestEnvironment.h"
#include "tests/support/TempDir.h"

class AcDbDatabase;

using ChainPtr = std::unique_ptr<QBdim>;

class TextPlaceFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  void SetGlobalDouble(int k, double value);
  void SetGlobalString(int k, const wchar_t* value);
  void SetGlobalInt(int k, int value);
  void SetGeneralInt(int k, int value);
  void SetAutoPosOrder(std::initializer_list<int> codes);

  // A horizontal chain through the measured points (x, 0) with its dimension line at y = 5.
  static QBdim* HorizontalChain(std::initializer_list<double> xs);

  zktest::TempDir dir;
  CGlobDimOptions* options = nullptr;
  AcDbDatabase* db = nullptr;

 private:
  std::unique_ptr<zktest::ModuleTestEnvironment> env_;
};

std::string PointText(const AcGePoint3d& p);
// The box of text k where it stands (margin 0).
AcGePoint3dArray BoxOf(QBdim& chain, int k, double margin = 0.0);
