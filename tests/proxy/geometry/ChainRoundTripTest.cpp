// Chains of every type built in a real drawing, edited, saved to a drawing file and read back:
// every member comes back as it was, except what the format does not keep.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/DwgFile.h"
#include "host/win/TextConv.h"
#include "proxy/QBdim.h"
#include "tests/proxy/geometry/ChainGeomFixture.h"

namespace {

using ChainRoundTrip = ChainGeomFixture;

constexpr double kExactPi = 3.14159265358979323846;

void ExpectSamePoint(const AcGePoint3d& a, const AcGePoint3d& b, const std::string& what) {
  EXPECT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z) << what;
}

void ExpectSameVector(const AcGeVector3d& a, const AcGeVector3d& b, const std::string& what) {
  EXPECT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z) << what;
}

void ExpectSamePoints(const AcGePoint3dArray& a, const AcGePoint3dArray& b, const std::string& what) {
  ASSERT_EQ(a.length(), b.length()) << what;
  for (int k = 0; k < a.length(); ++k) ExpectSamePoint(a[k], b[k], what + " " + std::to_string(k));
}

// Every member of the chain read back (b) equals the one written (a); ids by handle.
void ExpectSameChain(const QBdim& a, const QBdim& b) {
  EXPECT_EQ(a.m_arcObjectId.handle(), b.m_arcObjectId.handle());
  EXPECT_EQ(a.m_arcSubent, b.m_arcSubent);
  ExpectSamePoints(a.m_arcPoints, b.m_arcPoints, "arc point");
  ASSERT_EQ(a.AppendTextList.GetSize(), b.AppendTextList.GetSize());
  for (INT_PTR k = 0; k < a.AppendTextList.GetSize(); ++k) {
    const AppendingText* x = a.AppendingTextAt(k);
    const AppendingText* y = b.AppendingTextAt(k);
    EXPECT_EQ(x->iExt, y->iExt);
    ExpectSamePoint(x->ptPosition, y->ptPosition, "appended position");
    ExpectSamePoint(y->ptAnchor, AcGePoint3d::kOrigin, "appended anchor");
    EXPECT_EQ(x->iPosition, y->iPosition);
    EXPECT_EQ(x->strText, y->strText);
    EXPECT_EQ(x->dValue, y->dValue);
    EXPECT_EQ(x->iMode, y->iMode);
    EXPECT_EQ(x->strExtra, y->strExtra);
    EXPECT_TRUE(y->strWork.IsEmpty());
  }
  EXPECT_EQ(a.m_dimType, b.m_dimType);
  EXPECT_EQ(a.m_dRotation, b.m_dRotation);
  ExpectSameVector(a.m_vectorDim, b.m_vectorDim, "direction");
  ASSERT_EQ(a.arrayParam.GetSize(), b.arrayParam.GetSize());
  for (INT_PTR k = 0; k < a.arrayParam.GetSize(); ++k) EXPECT_EQ(a.arrayParam[k], b.arrayParam[k]) << k;
  ExpectSamePoint(a.m_xyzOrigin, b.m_xyzOrigin, "origin");
  for (int k = 0; k < 3; ++k) ExpectSameVector(a.m_xyzAxis[k], b.m_xyzAxis[k], "axis " + std::to_string(k));
  ASSERT_EQ(a.arrayDouble.GetSize(), b.arrayDouble.GetSize());
  for (INT_PTR k = 0; k < a.arrayDouble.GetSize(); ++k) EXPECT_EQ(a.arrayDouble[k], b.arrayDouble[k]) << k;
  ASSERT_EQ(a.arrayString.GetSize(), b.arrayString.GetSize());
  for (INT_PTR k = 0; k < a.arrayString.GetSize(); ++k) EXPECT_EQ(a.arrayString[k], b.arrayString[k]) << k;
  ASSERT_EQ(a.arrayInt.GetSize(), b.arrayInt.GetSize());
  for (INT_PTR k = 0; k < a.arrayInt.GetSize(); ++k) {
    // The program version is filed in 16 bits.
    const UINT expected = k == IND_I_AppVersion ? (a.arrayInt[k] & 0xFFFF) : a.arrayInt[k];
    EXPECT_EQ(expected, b.arrayInt[k]) << k;
  }
  ASSERT_EQ(a.arrayExtFlags.GetSize(), b.arrayExtFlags.GetSize());
  for (INT_PTR k = 0; k < a.arrayExtFlags.GetSize(); ++k) EXPECT_EQ(a.arrayExtFlags[k], b.arrayExtFlags[k]) << k;
  ASSERT_EQ(a.arrayText.GetSize(), b.arrayText.GetSize());
  for (INT_PTR k = 0; k < a.arrayText.GetSize(); ++k) EXPECT_EQ(a.arrayText[k], b.arrayText[k]) << k;
  ExpectSamePoints(a.arrayPoints, b.arrayPoints, "point");
  EXPECT_EQ(a.m_idTextStyle.handle(), b.m_idTextStyle.handle());
  ExpectSameVector(a.m_vecNormal, b.m_vecNormal, "normal");
}

// Adds, moves and removes extensions and gives the chain texts, flags and an appended text.
void Edit(QBdim& chain, const std::vector<AcGePoint3d>& more, const AcGePoint3d& moveTo) {
  for (const AcGePoint3d& p : more) ASSERT_GE(chain.AddPointInput(p, 0), 0);
  const int n = chain.GetExtensions();
  ASSERT_GE(n, 4);
  ASSERT_GE(chain.SetPointInput(1, moveTo, 1), 0);
  ASSERT_GT(chain.RemoveDimExt(n - 2), 0);
  chain.SetUserText(1, L"user");
  chain.SetPrefixText(2, L"pre");
  chain.SetExtLineVisible(0, 0);
  chain.SetSymbolType(1, 4);
  AppendingText data;
  data.strText = L"appended";
  data.dValue = 2.5;
  data.iPosition = 0;
  chain.SetAppendingText(2, &data);
}

TEST_F(ChainRoundTrip, EveryTypeComesBackFromTheDrawingFile) {
  const AcDbObjectId arcId = Append(new AcDbArc(AcGePoint3d(100, 0, 0), 10, 0, kExactPi));
  const AcDbObjectId circleId = Append(new AcDbCircle(AcGePoint3d(200, 0, 0), AcGeVector3d::kZAxis, 8));
  auto* pline = new AcDbPolyline;
  pline->addVertexAt(0, AcGePoint2d(300, 0));
  pline->addVertexAt(1, AcGePoint2d(310, 0), -0.5);
  pline->addVertexAt(2, AcGePoint2d(330, 0));
  const AcDbObjectId plineId = Append(pline);

  std::vector<QBdim*> chains;
  chains.push_back(NewChain({0, 0, 0}, {40, 0, 0}, {20, 15, 0}, DIMTYPE_HORIZONTAL));
  Edit(*chains.back(), {{10, -2, 0}, {25, 3, 0}, {33, 0, 0}}, {12, -4, 0});
  chains.push_back(NewChain({0, 100, 0}, {0, 140, 0}, {-15, 120, 0}, DIMTYPE_VERTICAL));
  Edit(*chains.back(), {{2, 110, 0}, {1, 125, 0}, {0, 133, 0}}, {3, 112, 0});
  chains.push_back(NewChain({0, 200, 0}, {30, 240, 0}, {0, 240, 0}, DIMTYPE_ALIGNED));
  Edit(*chains.back(), {{6, 208, 0}, {15, 220, 0}, {24, 232, 0}}, {9, 212, 0});
  auto onArc = [](const AcGePoint3d& c, double r, double degrees) {
    const double a = degrees * kExactPi / 180;
    return AcGePoint3d(c.x + r * std::cos(a), c.y + r * std::sin(a), 0);
  };
  const AcGePoint3d arcCentre(100, 0, 0), circleCentre(200, 0, 0);
  chains.push_back(NewChain(onArc(arcCentre, 10, 0), onArc(arcCentre, 10, 180), onArc(arcCentre, 14, 90),
                            DIMTYPE_ARC, arcId));
  Edit(*chains.back(), {onArc(arcCentre, 10, 30), onArc(arcCentre, 10, 100), onArc(arcCentre, 10, 150)},
       onArc(arcCentre, 10, 40));
  chains.push_back(NewChain(onArc(circleCentre, 8, 0), onArc(circleCentre, 8, 200), onArc(circleCentre, 12, 90),
                            DIMTYPE_ARC, circleId));
  Edit(*chains.back(), {onArc(circleCentre, 8, 45), onArc(circleCentre, 8, 120), onArc(circleCentre, 8, 170)},
       onArc(circleCentre, 8, 60));
  chains.push_back(NewChain({310, 0, 0}, {330, 0, 0}, {320, 10, 0}, DIMTYPE_ARC, plineId, 1));
  std::unique_ptr<AcGeCircArc3d> segment(chains.back()->GetArcInput(0));
  ASSERT_NE(segment, nullptr);
  const double s = segment->startAng(), e = segment->endAng();
  Edit(*chains.back(),
       {segment->evalPoint(s + (e - s) * 0.2), segment->evalPoint(s + (e - s) * 0.5),
        segment->evalPoint(s + (e - s) * 0.7)},
       segment->evalPoint(s + (e - s) * 0.3));

  std::vector<AcDbObjectId> ids;
  for (QBdim* chain : chains) ids.push_back(Append(chain));
  // One more edit on a chain that is in the drawing.
  {
    QBdim* chain = nullptr;
    ASSERT_EQ(acdbOpenObject(chain, ids[0], AcDb::kForWrite), Acad::eOk);
    // Between the extensions at x = 25 and x = 40.
    EXPECT_EQ(chain->AddPointInput({37, 1, 0}, 0), 3);
    chain->close();
  }

  const std::wstring path = zhost::FromUtf8(dir.file("chains.dwg"));
  std::wstring error;
  ASSERT_EQ(zhost::WriteDrawingFile(db, path, error), Acad::eOk) << zhost::ToUtf8(error);
  AcDbDatabase* back = zhost::ReadDrawingFile(path, error);
  ASSERT_NE(back, nullptr) << zhost::ToUtf8(error);
  for (const AcDbObjectId& id : ids) {
    SCOPED_TRACE(zhost::ToUtf8(id.handle().text()));
    QBdim* written = nullptr;
    ASSERT_EQ(acdbOpenObject(written, id, AcDb::kForRead), Acad::eOk);
    AcDbObjectId readId;
    ASSERT_EQ(back->getAcDbObjectId(readId, false, id.handle()), Acad::eOk);
    QBdim* read = nullptr;
    ASSERT_EQ(acdbOpenObject(read, readId, AcDb::kForRead), Acad::eOk);
    EXPECT_GE(written->GetExtensions(), 4);
    ExpectSameChain(*written, *read);
    read->close();
    written->close();
  }
  delete back;
}

}  // namespace
