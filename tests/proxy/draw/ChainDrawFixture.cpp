// Fixture of the chain drawing tests.
#include "tests/proxy/draw/ChainDrawFixture.h"

#include <cstdlib>

#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbOpenObject.h"
#include "host/gi/RecordingDraw.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"

void ChainDrawFixture::SetUpTestSuite() {
  if (!QBdim::desc()) QBdim::rxInit();
}

void ChainDrawFixture::SetUp() {
  env_ = std::make_unique<zktest::ModuleTestEnvironment>(dir, "chaindraw-test.arx", true);
  options = env_->options();
  SetChainDouble(IND_D_ScaleVal, 0.01);
  SetChainDouble(IND_D_AcadUnits, 0.001);
  SetChainDouble(IND_D_TextHeight, 50.0);
  SetChainDouble(IND_D_TickSize, 4.0);
  SetChainDouble(IND_D_ExtendBeyondDimLine, 2.0);
  SetChainDouble(IND_D_ExtendBeyondTick, 2.0);
  SetChainInt(IND_I_LastType, 1);
  // Texts in whole centimetres, without raised millimetre digits unless a test asks for them.
  options->dimSet.arrayString.SetAtGrow(IND_S_Measure, L"cm");
  SetChainInt(IND_I_Decimals, 0);
  SetChainInt(IND_I_WipeOutStatus, 2);
  SetGeneralInt(IND_OPT_B_WipeOut, 0);
  SetGeneralInt(IND_OPT_B_ShowInputPoints, 0);
  SetGeneralInt(IND_OPT_B_ShowSumOfDim, 0);
  SetGeneralInt(IND_OPT_B_LeadersShow, 1);
  db = new AcDbDatabase(true, true);
  acdbHostApplicationServices()->setWorkingDatabase(db);
}

void ChainDrawFixture::TearDown() {
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  delete db;
  db = nullptr;
  env_.reset();
  options = nullptr;
}

void ChainDrawFixture::SetChainDouble(int k, double value) { options->dimSet.arrayDouble.SetAtGrow(k, value); }

void ChainDrawFixture::SetChainInt(int k, int value) {
  options->dimSet.arrayInt.SetAtGrow(k, static_cast<UINT>(value));
}

void ChainDrawFixture::SetGeneralInt(int k, int value) {
  options->arrayOptInt.SetAtGrow(k, static_cast<UINT>(value));
}

QBdim* ChainDrawFixture::HorizontalChain(const std::vector<double>& xs) {
  QBdim* chain = new QBdim(AcGePoint3d(xs[0], 0, 0), AcGePoint3d(xs[1], 0, 0), AcGePoint3d(xs[0], 5, 0),
                           DIMTYPE_HORIZONTAL, nullptr, AcDbObjectId(), 0, nullptr);
  for (size_t k = 2; k < xs.size(); ++k) chain->AddPointInput(AcGePoint3d(xs[k], 0, 0), 0);
  FormatTexts(chain);
  return chain;
}

AcDbObjectId ChainDrawFixture::Append(AcDbEntity* entity) {
  AcDbBlockTableRecord* space = nullptr;
  EXPECT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
  space->close();
  entity->close();
  return id;
}

std::vector<zhost::Primitive> ChainDrawFixture::Draw(QBdim* chain, bool plot, AcGiRegenType type) {
  zhost::EntityGraphics graphics;
  zhost::Recorder recorder(graphics, db, type, plot);
  recorder.drawEntity(chain);
  return graphics.primitives;
}

void ChainDrawFixture::FormatTexts(QBdim* chain) {
  for (int k = 1; k < chain->GetExtensions(); ++k) {
    chain->RefreshDimText(k);
    chain->PlaceText(k);
  }
}

std::wstring ChainDrawFixture::Transcript() const { return zhost::Console::instance().transcript(); }

std::vector<zhost::Primitive> WithMarker(const std::vector<zhost::Primitive>& prims, long marker) {
  std::vector<zhost::Primitive> found;
  for (const zhost::Primitive& p : prims)
    if (p.marker == marker) found.push_back(p);
  return found;
}

std::vector<zhost::Primitive> OfKind(const std::vector<zhost::Primitive>& prims, zhost::Primitive::Kind kind) {
  std::vector<zhost::Primitive> found;
  for (const zhost::Primitive& p : prims)
    if (p.kind == kind) found.push_back(p);
  return found;
}

ExplodedSet::~ExplodedSet() {
  for (int k = 0; k < items.length(); ++k) delete static_cast<AcDbEntity*>(items[k]);
}
