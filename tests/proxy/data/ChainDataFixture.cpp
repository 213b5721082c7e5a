// Fixture and helpers of the chain data tests.
#include "tests/proxy/data/ChainDataFixture.h"

#include <cstdlib>

#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"

void ChainDataFixture::SetUpTestSuite() {
  if (!QBdim::desc()) QBdim::rxInit();
}

void ChainDataFixture::SetUp() {
  env_ = std::make_unique<zktest::ModuleTestEnvironment>(dir, "chaindata-test.arx", true);
  options = env_->options();
}

void ChainDataFixture::TearDown() {
  env_.reset();
  options = nullptr;
}

void ChainDataFixture::DropOptions() {
  env_->dropOptions();
  options = nullptr;
}

std::wstring ChainDataFixture::Transcript() const { return zhost::Console::instance().transcript(); }

QBdim* MakeFilledChain(int n, bool arc) {
  QBdim* chain = new QBdim;
  chain->Initialize(0);
  chain->m_dimType = arc ? DIMTYPE_ARC : DIMTYPE_ALIGNED;
  chain->m_xyzOrigin.set(10, 20, 0);
  chain->m_xyzAxis[0].set(0, 1, 0);
  chain->m_xyzAxis[1].set(-1, 0, 0);
  chain->m_xyzAxis[2].set(0, 0, 1);
  chain->m_dRotation = 0.75;
  chain->m_vectorDim.set(0.6, 0.8, 0);
  chain->m_vecNormal.set(0, 0, 1);
  for (int e = 0; e < n; ++e) {
    for (int k = 0; k < 4; ++k) chain->arrayPoints.append(AcGePoint3d(e * 100.0 + k, e * 0.5 - k, k * 0.25));
    chain->arrayText.Add(e == 0 ? CString() : CString(zhost::FormatWide(L"%d.5#%d@user%d@pre@suf", e, e % 16, e)));
    chain->arrayExtFlags.Add(static_cast<UINT>((e * 0x11) & 0x3F3));
  }
  for (INT_PTR k = 0; k < chain->arrayDouble.GetSize(); ++k) chain->arrayDouble[k] = 1.25 + k;
  for (INT_PTR k = 0; k < chain->arrayString.GetSize(); ++k) chain->arrayString[k] = zhost::FormatWide(L"s%d", int(k));
  for (INT_PTR k = 0; k < chain->arrayInt.GetSize(); ++k) chain->arrayInt[k] = static_cast<UINT>(k * 3 + 1);
  chain->arrayInt[IND_I_AppVersion] = static_cast<UINT>(51021);
  for (int k = 0; k < 2; ++k) {
    AppendingText* text = new AppendingText;
    text->iExt = static_cast<short>(k + 2);
    text->ptPosition.set(k + 0.5, 2.0, 0.0);
    text->ptAnchor.set(7, 7, 7);
    text->iPosition = k;
    text->strText = zhost::FormatWide(L"app %d", k);
    text->dValue = 3.5 + k;
    text->iMode = static_cast<short>(4 + k);
    text->strExtra = L"extra";
    text->strWork = L"work";
    chain->AppendTextList.Add(text);
  }
  if (arc) {
    for (int k = 0; k < 7; ++k) chain->m_arcPoints.append(AcGePoint3d(k, -k, 0));
    chain->m_arcSubent = 3;
    for (int e = 0; e < n; ++e) chain->arrayParam.Add(0.1 * e);
  }
  return chain;
}

void ExpectSameChain(const QBdim& a, const QBdim& b) {
  EXPECT_EQ(a.m_dimType, b.m_dimType);
  EXPECT_EQ(a.m_xyzOrigin, b.m_xyzOrigin);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(a.m_xyzAxis[k], b.m_xyzAxis[k]) << "axis " << k;
  EXPECT_DOUBLE_EQ(a.m_dRotation, b.m_dRotation);
  EXPECT_EQ(a.m_vectorDim, b.m_vectorDim);
  EXPECT_EQ(a.m_vecNormal, b.m_vecNormal);
  ASSERT_EQ(a.arrayPoints.length(), b.arrayPoints.length());
  for (int k = 0; k < a.arrayPoints.length(); ++k) EXPECT_EQ(a.arrayPoints[k], b.arrayPoints[k]) << "point " << k;
  ASSERT_EQ(a.arrayText.GetSize(), b.arrayText.GetSize());
  for (INT_PTR k = 0; k < a.arrayText.GetSize(); ++k) EXPECT_STREQ(a.arrayText[k], b.arrayText[k]);
  ASSERT_EQ(a.arrayDouble.GetSize(), b.arrayDouble.GetSize());
  for (INT_PTR k = 0; k < a.arrayDouble.GetSize(); ++k) EXPECT_DOUBLE_EQ(a.arrayDouble[k], b.arrayDouble[k]);
  ASSERT_EQ(a.arrayString.GetSize(), b.arrayString.GetSize());
  for (INT_PTR k = 0; k < a.arrayString.GetSize(); ++k) EXPECT_STREQ(a.arrayString[k], b.arrayString[k]);
  ASSERT_EQ(a.arrayInt.GetSize(), b.arrayInt.GetSize());
  for (INT_PTR k = 0; k < a.arrayInt.GetSize(); ++k) EXPECT_EQ(a.arrayInt[k], b.arrayInt[k]) << "int " << k;
  ASSERT_EQ(a.arrayExtFlags.GetSize(), b.arrayExtFlags.GetSize());
  for (INT_PTR k = 0; k < a.arrayExtFlags.GetSize(); ++k) EXPECT_EQ(a.arrayExtFlags[k], b.arrayExtFlags[k]);
  EXPECT_EQ(a.m_idTextStyle.handle(), b.m_idTextStyle.handle());
  EXPECT_EQ(a.m_arcObjectId.handle(), b.m_arcObjectId.handle());
  EXPECT_EQ(a.m_arcSubent, b.m_arcSubent);
  ASSERT_EQ(a.m_arcPoints.length(), b.m_arcPoints.length());
  for (int k = 0; k < a.m_arcPoints.length(); ++k) EXPECT_EQ(a.m_arcPoints[k], b.m_arcPoints[k]);
  ASSERT_EQ(a.arrayParam.GetSize(), b.arrayParam.GetSize());
  for (INT_PTR k = 0; k < a.arrayParam.GetSize(); ++k) EXPECT_DOUBLE_EQ(a.arrayParam[k], b.arrayParam[k]);
  ASSERT_EQ(a.AppendTextList.GetSize(), b.AppendTextList.GetSize());
  for (INT_PTR k = 0; k < a.AppendTextList.GetSize(); ++k) {
    const AppendingText* x = a.AppendingTextAt(k);
    const AppendingText* y = b.AppendingTextAt(k);
    EXPECT_EQ(x->iExt, y->iExt);
    EXPECT_EQ(x->ptPosition, y->ptPosition);
    EXPECT_EQ(x->iPosition, y->iPosition);
    EXPECT_STREQ(x->strText, y->strText);
    EXPECT_DOUBLE_EQ(x->dValue, y->dValue);
    EXPECT_EQ(x->iMode, y->iMode);
    EXPECT_STREQ(x->strExtra, y->strExtra);
    EXPECT_EQ(y->ptAnchor, AcGePoint3d::kOrigin);
    EXPECT_TRUE(y->strWork.IsEmpty());
  }
}

void FileOut(const QBdim& chain, zhost::MemoryFiler& filer) {
  EXPECT_EQ(Acad::eOk, chain.dwgOutFields(&filer));
}

QBdim* FileIn(zhost::MemoryFiler& filer, Acad::ErrorStatus& es) {
  filer.rewind();
  QBdim* chain = new QBdim;
  es = chain->dwgInFields(&filer);
  return chain;
}

size_t EntityPartItems() {
  QBdim plain;
  zhost::MemoryFiler filer;
  EXPECT_EQ(Acad::eOk, plain.AcDbEntity::dwgOutFields(&filer));
  return filer.items().size();
}
