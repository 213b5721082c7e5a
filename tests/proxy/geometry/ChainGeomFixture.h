// Fixture of the chain geometry tests: a fresh application-data folder, the option object loaded
// with its defaults (scale 1:100, millimetre units), the chain class registered, and a real
// drawing as the working database, into which curves and chains can be appended.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <string>

#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint3d.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "tests/support/ModuleTestEnvironment.h"
#include "tests/support/TempDir.h"

class AcDbDatabase;
class AcDbEntity;

class ChainGeomFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // The global chain set, which new chains copy.
  void SetChainDouble(int k, double value);
  void SetChainInt(int k, int value);
  void SetGeneralInt(int k, int value);

  // Appends the new entity to model space of the drawing and closes it.
  AcDbObjectId Append(AcDbEntity* entity);
  // A new chain (not in the drawing) from the creation constructor, without a coordinate system.
  static QBdim* NewChain(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& dimLinePoint, int type,
                         AcDbObjectId arcId = AcDbObjectId(), int arcSubent = 0);

  std::wstring Transcript() const;

  zktest::TempDir dir;
  CGlobDimOptions* options = nullptr;
  AcDbDatabase* db = nullptr;

 private:
  std::unique_ptr<zktest::ModuleTestEnvironment> env_;
};

// The measured, extension-start, dimension-line and text points of extension k as a short text,
// for failure messages.
std::string ExtensionText(QBdim& chain, int k);
