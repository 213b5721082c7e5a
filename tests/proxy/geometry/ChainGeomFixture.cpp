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

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

HINSTANCE TestModule() {
  static HINSTANCE module = zhost::RegisterStaticModule(
      zhost::FromUtf8(std::string(ZK_BIN_DIR) + "/chaingeom-test.arx"),
      reinterpret_cast<const char*>(zhostResourceScript), zhostResourceScriptSize);
  return module;
}

}  // namespace

void ChainGeomFixture::SetUpTestSuite() {
  if (!QBdim::desc()) QBdim::rxInit();
}

void ChainGeomFixture::SetUp() {
  const char* tmp = getenv("TMPDIR");
  hadTmpDir_ = tmp != nullptr;
  if (tmp) oldTmpDir_ = tmp;
  zktest::WriteFileBytes(dir.file("tmp/.keep"), "");
  setenv("TMPDIR", (dir.path() + "/tmp/").c_str(), 1);
  SetModuleInstance(TestModule());
  zhost::SetAppDataFolder(dir.wpath() + L"/AppData");
  zhost::Console::instance().clearTranscript();
  ResetIniState();
  options = new CGlobDimOptions;
  pGlobDimOptions = options;
  options->LoadOptions();
  OnkInitApp();
  SetChainDouble(IND_D_ScaleVal, 0.01);
  SetChainDouble(IND_D_AcadUnits, 0.001);
  db = new AcDbDatabase(true, true);
  acdbHostApplicationServices()->setWorkingDatabase(db);
}

void ChainGeomFixture::TearDown() {
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  delete db;
  db = nullptr;
  SetAppUnloaded();
  DeleteDebugLog();
  pGlobDimOptions = nullptr;
  delete options;
  options = nullptr;
  ResetIniState();
  if (hadTmpDir_) {
    setenv("TMPDIR", oldTmpDir_.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
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
