// A chain's options from the global set, copying from another chain, and its coordinate system
// from the drawing's UCS.
#include <algorithm>
#include <iterator>
#include <memory>

#include "frame/AppVersion.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/AcDbUcs.h"
#include "tests/proxy/data/ChainDataFixture.h"

namespace {

// A horizontal chain built by the creation constructor, with the two appended texts of the
// filled chain placed where the chain's own layout puts them.
QBdim* MakeLaidOutChain(int n) {
  QBdim* chain = new QBdim({0, 0, 0}, {10, 0, 0}, {0, 5, 0}, DIMTYPE_HORIZONTAL, nullptr, AcDbObjectId(), 0, nullptr);
  for (int e = 2; e < n; ++e) chain->AddPointInput({10.0 * e, 0, 0}, 0);
  std::unique_ptr<QBdim> filled(MakeFilledChain(n));
  for (INT_PTR k = 0; k < filled->AppendTextList.GetSize(); ++k) {
    AppendingText* text = new AppendingText;
    filled->AppendingTextAt(k)->CopyTo(text);
    text->iMode = filled->AppendingTextAt(k)->iMode;
    text->strExtra = filled->AppendingTextAt(k)->strExtra;
    chain->AppendTextList.Add(text);
  }
  chain->DimRefresh(-1);
  return chain;
}

class ChainCopyTest : public ChainDataFixture {
 protected:
  void TearDown() override {
    acdbHostApplicationServices()->setWorkingDatabase(previous_);
    ChainDataFixture::TearDown();
  }

  // A database made the working one for the test.
  AcDbDatabase* WorkingDb() {
    previous_ = acdbHostApplicationServices()->workingDatabase();
    db_.reset(new AcDbDatabase(true, true));
    acdbHostApplicationServices()->setWorkingDatabase(db_.get());
    return db_.get();
  }

 private:
  std::unique_ptr<AcDbDatabase> db_;
  AcDbDatabase* previous_ = nullptr;
};

TEST_F(ChainCopyTest, InitializeTakesTheGlobalChainSetStamped) {
  options->strCurOptionsFile = L"C:\\Daten\\Buero.ini";
  options->dimSet.arrayDouble[IND_D_TextHeight] = 3.5;
  QBdim chain;
  chain.Initialize(0);
  EXPECT_EQ(AcGeVector3d::kZAxis, chain.m_vecNormal);
  ASSERT_EQ(SIZE_ARRAY_DOUBLE, chain.arrayDouble.GetSize());
  ASSERT_EQ(SIZE_ARRAY_STRING, chain.arrayString.GetSize());
  ASSERT_EQ(SIZE_ARRAY_INT, chain.arrayInt.GetSize());
  EXPECT_DOUBLE_EQ(3.5, chain.arrayDouble[IND_D_TextHeight]);
  EXPECT_EQ(static_cast<UINT>(GetAppVersionNumber()), chain.arrayInt[IND_I_AppVersion]);
  EXPECT_STREQ(L"C:\\Daten\\Buero.ini", chain.arrayString[IND_S_IniFile]);
  EXPECT_STREQ(options->dimSet.arrayString[IND_S_TextStyle], chain.arrayString[IND_S_TextStyle]);

  // Kept options stay; without an option object nothing changes either.
  chain.arrayDouble[IND_D_TextHeight] = 9.0;
  chain.Initialize(1);
  EXPECT_DOUBLE_EQ(9.0, chain.arrayDouble[IND_D_TextHeight]);
  DropOptions();
  chain.Initialize(0);
  EXPECT_DOUBLE_EQ(9.0, chain.arrayDouble[IND_D_TextHeight]);
}

TEST_F(ChainCopyTest, CopyParamsKeepsTheOwnArcOptionsAndFindsTheTextStyle) {
  AcDbDatabase* db = WorkingDb();
  std::unique_ptr<QBdim> src(MakeFilledChain(3));
  src->arrayString[IND_S_TextStyle] = L"Standard";
  src->setColorIndex(3);
  // A chain laid out by its own geometry: the re-layout that ends CopyParams finds nothing to
  // re-sort, so the arc options it keeps stay as they are.
  std::unique_ptr<QBdim> chain(MakeLaidOutChain(3));
  const int arcOptions[] = {IND_I_ArcDimMinPoint, IND_I_ArcDimMaxPoint, IND_I_ArcDimAsCircle, IND_I_ArcDimCW,
                            IND_I_ArcDimInputArcIsCircle};
  for (int k = 0; k < SIZE_ARRAY_INT; ++k) {
    src->arrayInt[k] = 500 + k;
    chain->arrayInt[k] = 900 + k;
  }
  src->arrayDouble[IND_D_TextHeight] = 7.0;
  chain->m_vecNormal.set(1, 0, 0);

  EXPECT_EQ(1, chain->CopyParams(src.get()));
  for (int k = 0; k < SIZE_ARRAY_INT; ++k) {
    bool own = std::find(std::begin(arcOptions), std::end(arcOptions), k) != std::end(arcOptions);
    EXPECT_EQ(static_cast<UINT>(own ? 900 + k : 500 + k), chain->arrayInt[k]) << k;
  }
  EXPECT_DOUBLE_EQ(7.0, chain->arrayDouble[IND_D_TextHeight]);
  EXPECT_STREQ(L"Standard", chain->arrayString[IND_S_TextStyle]);
  EXPECT_EQ(AcGeVector3d::kZAxis, chain->m_vecNormal);
  AcDbTextStyleTable* table = nullptr;
  ASSERT_EQ(Acad::eOk, db->getTextStyleTable(table, AcDb::kForRead));
  AcDbObjectId standard;
  EXPECT_EQ(Acad::eOk, table->getAt(L"Standard", standard));
  table->close();
  EXPECT_EQ(standard, chain->m_idTextStyle);
  EXPECT_EQ(3, chain->colorIndex());
}

TEST_F(ChainCopyTest, CopyParamsRefusesASourceWithoutTextStyleOption) {
  std::unique_ptr<QBdim> src(MakeFilledChain(2));
  src->arrayString.SetSize(1);
  std::unique_ptr<QBdim> chain(new QBdim);
  bool thrown = false;
  try {
    chain->CopyParams(src.get());
  } catch (CInvalidArgException* e) {
    e->Delete();
    thrown = true;
  }
  EXPECT_TRUE(thrown);
}

TEST_F(ChainCopyTest, CopyFromTakesGeometryTextsAndAppendedTexts) {
  WorkingDb();
  // A chain laid out by its own geometry, so that the re-layout at the end of the copy keeps it.
  std::unique_ptr<QBdim> src(MakeLaidOutChain(4));
  std::unique_ptr<QBdim> chain(new QBdim);
  EXPECT_EQ(1, chain->CopyFrom(src.get()));
  EXPECT_EQ(src->m_dimType, chain->m_dimType);
  EXPECT_EQ(src->m_xyzOrigin, chain->m_xyzOrigin);
  EXPECT_EQ(src->m_xyzAxis[1], chain->m_xyzAxis[1]);
  EXPECT_EQ(src->m_vectorDim, chain->m_vectorDim);
  ASSERT_EQ(src->arrayPoints.length(), chain->arrayPoints.length());
  // Slot 3 (the text point) is placed anew by the refresh at the end of the copy.
  for (int k = 0; k < src->arrayPoints.length(); ++k) {
    if (k % 4 == 3) continue;
    EXPECT_EQ(src->arrayPoints[k], chain->arrayPoints[k]) << k;
  }
  ASSERT_EQ(src->AppendTextList.GetSize(), chain->AppendTextList.GetSize());
  for (INT_PTR k = 0; k < src->AppendTextList.GetSize(); ++k) {
    const AppendingText* a = src->AppendingTextAt(k);
    const AppendingText* b = chain->AppendingTextAt(k);
    EXPECT_NE(a, b);
    EXPECT_EQ(a->iExt, b->iExt);
    EXPECT_EQ(a->ptPosition, b->ptPosition);
    EXPECT_EQ(a->iPosition, b->iPosition);
    EXPECT_STREQ(a->strText, b->strText);
    EXPECT_DOUBLE_EQ(a->dValue, b->dValue);
    EXPECT_STREQ(a->strWork, b->strWork);
    // Neither filed-only fields nor the anchor travel with a copy.
    EXPECT_EQ(0, b->iMode);
    EXPECT_TRUE(b->strExtra.IsEmpty());
    EXPECT_EQ(AcGePoint3d::kOrigin, b->ptAnchor);
  }
}

TEST_F(ChainCopyTest, UcsComesFromTheDrawingHeader) {
  AcDbDatabase* db = WorkingDb();
  AcGeMatrix3d mat;
  EXPECT_EQ(Acad::eOk, acdbUcsMatrix(mat, db));
  EXPECT_EQ(AcGeMatrix3d::kIdentity, mat);

  db->extraHeaderVariables()[L"UCSORG"] = L"1,2,3";
  db->extraHeaderVariables()[L"UCSXDIR"] = L"0,2,0";
  db->extraHeaderVariables()[L"UCSYDIR"] = L"-1,0,0";
  EXPECT_EQ(Acad::eOk, acdbUcsMatrix(mat));
  EXPECT_EQ(AcGePoint3d(1, 3, 3), AcGePoint3d(1, 0, 0).transformBy(mat));

  std::unique_ptr<QBdim> chain(MakeFilledChain(3));
  chain->SetCoordSystem(nullptr);
  EXPECT_EQ(AcGePoint3d(1, 2, 3), chain->m_xyzOrigin);
  EXPECT_EQ(AcGeVector3d(0, 1, 0), chain->m_xyzAxis[0]);
  EXPECT_EQ(AcGeVector3d(-1, 0, 0), chain->m_xyzAxis[1]);
  EXPECT_EQ(AcGeVector3d::kZAxis, chain->m_xyzAxis[2]);

  // Parallel axes give no plane: the world axes at the given origin.
  db->extraHeaderVariables()[L"UCSYDIR"] = L"0,-3,0";
  EXPECT_EQ(Acad::eOk, acdbUcsMatrix(mat, db));
  EXPECT_EQ(AcGePoint3d(2, 2, 3), AcGePoint3d(1, 0, 0).transformBy(mat));

  AcGeMatrix3d given;
  given.setCoordSystem(AcGePoint3d(5, 0, 0), AcGeVector3d(2, 0, 0), AcGeVector3d(0, 0, 3), AcGeVector3d(0, 1, 0));
  chain->SetCoordSystem(&given);
  EXPECT_EQ(AcGePoint3d(5, 0, 0), chain->m_xyzOrigin);
  EXPECT_EQ(AcGeVector3d::kXAxis, chain->m_xyzAxis[0]);
  EXPECT_EQ(AcGeVector3d::kZAxis, chain->m_xyzAxis[1]);
  EXPECT_EQ(AcGeVector3d(0, -1, 0), chain->m_xyzAxis[2]);
}

}  // namespace
