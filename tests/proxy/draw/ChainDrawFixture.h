// Fixture of the chain drawing tests: a fresh application-data folder, the option object loaded
// with its defaults at 1:100 in millimetre drawing units (a size of x mm on paper is 0.1·x
// drawing units), the chain class registered and a real drawing as the working database; and
// helpers that draw a chain through the graphics layer's recorder and sort what it drew.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <string>
#include <vector>

#include "host/db/AcDbArrays.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint3d.h"
#include "host/gi/AcGi.h"
#include "host/gi/Primitive.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "tests/support/ModuleTestEnvironment.h"
#include "tests/support/TempDir.h"

class AcDbDatabase;
class AcDbEntity;

class ChainDrawFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // The global chain set (new chains copy it; drawing reads the symbol sizes from it).
  void SetChainDouble(int k, double value);
  void SetChainInt(int k, int value);
  void SetGeneralInt(int k, int value);

  // A new horizontal chain (not in the drawing) through the x values on y = 0 with its dimension
  // line at y = 5, its texts formatted and placed.
  static QBdim* HorizontalChain(const std::vector<double>& xs);
  // Every segment text formatted from its length and placed by its code.
  static void FormatTexts(QBdim* chain);
  // Appends the entity to model space and closes it.
  AcDbObjectId Append(AcDbEntity* entity);

  // What the chain draws for the display (or with `plot` as a plot).
  std::vector<zhost::Primitive> Draw(QBdim* chain, bool plot = false,
                                     AcGiRegenType type = kAcGiStandardDisplay);
  std::wstring Transcript() const;

  zktest::TempDir dir;
  CGlobDimOptions* options = nullptr;
  AcDbDatabase* db = nullptr;

 private:
  std::unique_ptr<zktest::ModuleTestEnvironment> env_;
};

// Primitives with this selection marker (and kind, unless any).
std::vector<zhost::Primitive> WithMarker(const std::vector<zhost::Primitive>& prims, long marker);
std::vector<zhost::Primitive> OfKind(const std::vector<zhost::Primitive>& prims, zhost::Primitive::Kind kind);
// The entities of an explosion, owned: deleted with the set.
class ExplodedSet {
 public:
  ~ExplodedSet();
  AcDbVoidPtrArray items;
  template <class T>
  std::vector<T*> all() const {
    std::vector<T*> found;
    for (int k = 0; k < items.length(); ++k) {
      T* item = T::cast(static_cast<AcRxObject*>(static_cast<AcDbEntity*>(items[k])));
      if (item) found.push_back(item);
    }
    return found;
  }
};
