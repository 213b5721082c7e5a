// Fixture of the chain geometry tests.
#include "tests/proxy/geometry/ChainGeomFixture.h"

#include <cstdio>
#include <cstdlib>

#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbOpenObject.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"

void ChainGeomFixture::SetUpTestSuite() {
  if (!QBdim::desc()) QBdim::rxInit();
}

void ChainGeomFixture::SetUp() {
  env_ = std::make_unique<zktest::ModuleTestEnvironment>(dir, "chaingeom-test.arx", true);
  options = env_->options();
  SetChainDouble(IND_D_ScaleVal, 0.01);
  SetChainDouble(IND_D_AcadUnits, 0.001);
  db = new AcDbDatabase(true, true);
  acdbHostApplicationServices()->setWorkingDatabase(db);
}

void ChainGeomFixture::TearDown() {
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  delete db;
  db = nullptr;
  env_.reset();
  options = nullptr;
}

void ChainGeomFixture::SetChainDouble(int k, double value) { options->dimSet.arrayDouble.SetAtGrow(k, value); }

void ChainGeomFixture::SetChainInt(int k, int value) {
  options->dimSet.arrayInt.SetAtGrow(k, static_cast<UINT>(value));
}

void ChainGeomFixture::SetGeneralInt(int k, int value) { options->arrayOptInt.SetAtGrow(k, static_cast<UINT>(value)); }

AcDbObjectId ChainGeomFixture::Append(AcDbEntity* entity) {
  AcDbBlockTableRecord* space = nullptr;
  EXPECT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
  space->close();
  entity->close();
  return id;
}

QBdim* ChainGeomFixture::NewChain(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& dimLinePoint,
                                  int type, AcDbObjectId arcId, int arcSubent) {
  return new QBdim(p1, p2, dimLinePoint, type, nullptr, arcId, arcSubent, nullptr);
}

std::wstring ChainGeomFixture::Transcript() const { return zhost::Console::instance().transcript(); }

std::string ExtensionText(QBdim& chain, int k) {
  char text[256];
  const AcGePoint3d a = chain.GetPointInput(k), b = chain.GetPointExt1(k), c = chain.GetPointDim(k),
                    d = chain.GetPointExt2(k);
  snprintf(text, sizeof text, "ext %d: in(%.4f,%.4f) ext1(%.4f,%.4f) dim(%.4f,%.4f) text(%.4f,%.4f)", k, a.x, a.y,
           b.x, b.y, c.x, c.y, d.x, d.y);
  return text;
}
