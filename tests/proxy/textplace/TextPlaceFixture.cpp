// Fixture of the text placement tests.
#include "tests/proxy/textplace/TextPlaceFixture.h"

#include <cstdio>
#include <cstdlib>

#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"

void TextPlaceFixture::SetUpTestSuite() {
  if (!QBdim::desc()) QBdim::rxInit();
}

void TextPlaceFixture::SetUp() {
  env_ = std::make_unique<zktest::ModuleTestEnvironment>(dir, "chaintext-test.arx", true);
  options = env_->options();
  SetGlobalDouble(IND_D_ScaleVal, 0.01);
  SetGlobalDouble(IND_D_AcadUnits, 0.001);
  SetGlobalDouble(IND_D_TextHeight, 50);
  SetGlobalDouble(IND_D_TextOffset, 50);
  SetGlobalString(IND_S_Measure, L"m");
  SetGlobalString(IND_S_DimDescription, L"");
  db = new AcDbDatabase(true, true);
  acdbHostApplicationServices()->setWorkingDatabase(db);
}

void TextPlaceFixture::TearDown() {
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  delete db;
  db = nullptr;
  env_.reset();
  options = nullptr;
}

void TextPlaceFixture::SetGlobalDouble(int k, double value) { options->dimSet.arrayDouble.SetAtGrow(k, value); }

void TextPlaceFixture::SetGlobalString(int k, const wchar_t* value) {
  options->dimSet.arrayString.SetAtGrow(k, value);
}

void TextPlaceFixture::SetGlobalInt(int k, int value) {
  options->dimSet.arrayInt.SetAtGrow(k, static_cast<UINT>(value));
}

void TextPlaceFixture::SetGeneralInt(int k, int value) {
  options->arrayOptInt.SetAtGrow(k, static_cast<UINT>(value));
}

void TextPlaceFixture::SetAutoPosOrder(std::initializer_list<int> codes) {
  options->arrayAutoPosOrder.RemoveAll();
  for (int c : codes) options->arrayAutoPosOrder.Add(static_cast<UINT>(c));
}

QBdim* TextPlaceFixture::HorizontalChain(std::initializer_list<double> xs) {
  const double* x = xs.begin();
  auto* chain = new QBdim({x[0], 0, 0}, {x[1], 0, 0}, {x[0], 5, 0}, DIMTYPE_HORIZONTAL, nullptr, AcDbObjectId(), 0,
                          nullptr);
  for (const double* p = x + 2; p != xs.end(); ++p) chain->AddPointInput({*p, 0, 0}, 0);
  for (int k = 1; k < chain->GetExtensions(); ++k) chain->RefreshDimText(k);
  return chain;
}

std::string PointText(const AcGePoint3d& p) {
  char text[96];
  snprintf(text, sizeof text, "(%.4f, %.4f, %.4f)", p.x, p.y, p.z);
  return text;
}

AcGePoint3dArray BoxOf(QBdim& chain, int k, double margin) {
  AcGePoint3dArray corners;
  double w = 0.0, h = 0.0;
  chain.GetTextBox(k, margin, corners, w, h, nullptr, -1);
  return corners;
}
