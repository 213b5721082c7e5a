// Re-laying a whole chain after its geometry or its options changed: DimRefresh (geometry and
// text repair), Regenerate (options, scale or palette changes) and Refresh (after an editor
// command moved what the chain measures).
#include <vector>

#include "acadobjects/CurveHelpers.h"
#include "acadobjects/DocLocks.h"
#include "acadobjects/EntityServices.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/ge/AcGeLineSeg3d.h"
#include "host/mfc/Exceptions.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

namespace {

AcDbDatabase* ChainDatabase(QBdim& dim) {
  return dim.database() ? dim.database() : acdbHostApplicationServices()->workingDatabase();
}

std::vector<AcGePoint3d> TextPoints(const QBdim& dim) {
  std::vector<AcGePoint3d> points;
  for (int k = 0; k < dim.GetExtensions(); ++k) points.push_back(dim.GetPointExt2(k));
  return points;
}

void SetChainDoubleFromGlobal(QBdim& dim, int k) {
  if (k < dim.arrayDouble.GetSize()) dim.arrayDouble[k] = qbgeom::GlobalDouble(k);
}

// A text whose box lies across the dimension line is mirrored to the line's other side, along
// its extension line.
void MirrorAcrossDimLine(QBdim& dim, int k) {
  AcGePoint3dArray corners;
  double width = 0.0, height = 0.0;
  if (!dim.GetTextBox(k, 0.0, corners, width, height, nullptr, -1) || corners.length() < 4) return;
  const AcGeLine3d dimLine(dim.GetPointDim(0), dim.m_vectorDim);
  AcGeTol tol;
  tol.setEqualPoint(1e-4);
  AcGePoint3d crossing;
  if (!AcGeLineSeg3d(corners[0], corners[2]).intersectWith(dimLine, crossing, tol)) return;
  AcGePoint3d p = dim.GetPointExt2(k);
  AcGePoint3d x;
  if (!MyIntersect(AcGeLine3d(p, dim.GetLineExt(k).direction()), dimLine, x)) return;
  p = x + (x - p);
  dim.SetPointText(k, p, 0);
}

// Regenerate's text mode 2: the text keeps its place along the chain and takes the distance
// from the line that the re-placed text has.
void KeepPlaceAlongChain(QBdim& dim, int k, const AcGePoint3d& remembered) {
  const AcGePoint3d placed = dim.GetPointExt2(k);
  AcGePoint3d p = placed;
  if (!dim.IsDimArc()) {
    const AcGeLine3d across(remembered, dim.GetExtDirection());
    if (!MyIntersect(across, AcGeLine3d(placed, dim.m_vectorDim), p)) p = placed;
  } else if (dim.m_arcPoints.length() > 3) {
    const AcGePoint3d centre = dim.m_arcPoints[3];
    double radius = centre.distanceTo(placed);
    if (radius < 0.001) radius = 0.05;
    const AcGeCircArc3d circle(centre, dim.GetNormal(), radius);
    if (!remembered.isEqualTo(centre) && !MyIntersect(circle, AcGeLine3d(centre, remembered), p, remembered)) {
      p = placed;
    }
  }
  dim.SetPointText(k, p, 0);
}

// Returns an object that this operation upgraded to write to read when the operation ends.
struct DowngradeOnExit {
  AcDbObject* object;
  bool upgraded;
  ~DowngradeOnExit() {
    if (upgraded) object->downgradeOpen();
  }
};

}  // namespace

int QBdim::DimRefresh(int type) {
  AcDbDatabase* db = ChainDatabase(*this);
  if (!db || !pGlobDimOptions) return 0;
  TraceMsgF(L"\nQBdim::DimRefresh START iType=%d ", type);
  CDocLockScope lock(db);
  qbgeom::WriteScope scope(this);
  if (!scope.ok()) {
    TraceMsg(L" !isWriteEnabled ");
    return 0;
  }
  UpdateDirection();
  if (type > 0) SetChainDoubleFromGlobal(*this, IND_D_TextOffset);
  RearrangeExtensions(0);
  const std::vector<AcGePoint3d> texts = TextPoints(*this);
  for (int k = 0; k < GetExtensions(); ++k) {
    const AcGePoint3d start = GetPointExt1(k);
    const int placed = SetPointInput(k, GetPointInput(k), 0);
    if (placed < 0) break;
    if (type < 0) continue;
    if (placed == k) {
      SetPointExt1(k, start, 0);
    } else {
      TraceMsgF(L"\n **** !!! DimRefresh ext!=%d ", k);
    }
  }
  if (type <= 0) {
    const int n = GetExtensions();
    for (int k = 1; k < n && k < static_cast<int>(texts.size()); ++k) {
      AcGePoint3d p = texts[k];
      SetPointText(k, p, 0);
      MirrorAcrossDimLine(*this, k);
    }
  }
  if (qbgeom::GlobalOptInt(IND_OPT_B_AutoPosition) && !IsDimArc()) AdjustTexts('G');
  recordGraphicsModified();
  return 1;
}

int QBdim::Regenerate(int type) {
  AcDbDatabase* db = ChainDatabase(*this);
  if (!pGlobDimOptions || !db) return 0;
  TraceMsgF(L"\nQBdim::Regenerate START iType=%d ", type);
  CDocLockScope lock(db);
  Acad::ErrorStatus es = Acad::eOk;
  bool upgraded = false;
  if (!isWriteEnabled()) {
    es = upgradeOpen();
    upgraded = es == Acad::eOk;
  }
  if (!isWriteEnabled()) {
    TraceMsgF(L"\nNOT WRITE ENABLED !! es=%d ", static_cast<int>(es));
    if (IsOnLockedLayer(this, true)) return 0;
    acutPrintf(L" open_status=%d ", static_cast<int>(es));
    return 0;
  }
  const DowngradeOnExit restore{this, upgraded};
  const int extNewPosition = qbgeom::GlobalOptInt(IND_OPT_B_ExtNewPosition);
  const bool autoStraight = qbgeom::GlobalOptInt(IND_OPT_B_AutoPosition) && !IsDimArc();
  // Text mode 2 (texts keep their place along the chain) comes from the palette's parameter
  // transfer, which reports a changed text height or scale; without the palette it stays 0.
  const int textMode = 0;
  if (type < 1) UpdateDirection();

  const CStringArray& globalStrings = pGlobDimOptions->dimSet.arrayString;
  if (IND_S_Delimiter < arrayString.GetSize() && IND_S_Delimiter < globalStrings.GetSize()) {
    arrayString[IND_S_Delimiter] = globalStrings[IND_S_Delimiter];
  }
  if (type != 0) SetChainDoubleFromGlobal(*this, IND_D_TextOffset);
  const int savedMode = pGlobDimOptions->iCurrentMode;
  pGlobDimOptions->iCurrentMode = MODE_DIM;
  try {
    RearrangeExtensions(0);
    const std::vector<AcGePoint3d> texts = TextPoints(*this);
    for (int k = 0; k < GetExtensions(); ++k) {
      const AcGePoint3d start = GetPointExt1(k);
      const int placed = SetPointInput(k, GetPointInput(k), 0);
      if (placed < 0) break;
      if (placed != k) TraceMsgF(L"\n *****!!! Regenerate ext!=%d ", k);
      if (extNewPosition == 0) SetPointExt1(k, start, 0);
    }
    const int n = GetExtensions();
    for (int k = 1; k < n && k < static_cast<int>(texts.size()); ++k) {
      if (textMode == 0 || autoStraight) {
        AcGePoint3d p = texts[k];
        SetPointText(k, p, 0);
      } else {
        KeepPlaceAlongChain(*this, k, texts[k]);
      }
    }
    if (textMode == 2 && autoStraight) AdjustTexts('G');
  } catch (...) {
    pGlobDimOptions->iCurrentMode = savedMode;
    throw;
  }
  TraceMsg(L" STEP5 ");
  pGlobDimOptions->iCurrentMode = savedMode;
  recordGraphicsModified();
  TraceMsg(L"\nQBdim::Regenerate STOP");
  return 1;
}

int QBdim::Refresh() {
  AcDbDatabase* db = ChainDatabase(*this);
  if (!db) return 1;
  TraceMsg(L"\nQBdim::Refresh START");
  CDocLockScope lock(db);
  bool fromNotify = false;
  bool upgraded = false;
  Adesk::Boolean wasWritable = false;
  try {
    if (!isWriteEnabled()) {
      TraceMsgF(L"\nEnabled R:%d W:%d N:%d ", isReadEnabled(), isWriteEnabled(), isNotifyEnabled());
      if (isNotifyEnabled()) {
        const Acad::ErrorStatus es = upgradeFromNotify(wasWritable);
        fromNotify = es == Acad::eOk;
        TraceMsgF(L"\nupgradeFromNotify=%d ", static_cast<int>(es));
      } else {
        const Acad::ErrorStatus es = upgradeOpen();
        upgraded = es == Acad::eOk;
        TraceMsgF(L"\nupgradeOpen=%d ", static_cast<int>(es));
      }
    }
    if (!isWriteEnabled()) {
      TraceMsgF(L" NIE/%d NOTIFY=%d ", isWriteEnabled(), isNotifyEnabled());
      return 1;
    }
    for (int k = 0; k < GetExtensions(); ++k) SetPointInput(k, GetPointInput(k), 0);
    recordGraphicsModified();
  } catch (CException* e) {
    e->Delete();
    acutPrintf(L"\n!!!REFRESH ERROR");
    TraceMsg(L"\n!!!REFRESH ERROR");
  } catch (...) {
    acutPrintf(L"\n!!!REFRESH ERROR");
    TraceMsg(L"\n!!!REFRESH ERROR");
  }
  if (fromNotify) downgradeToNotify(wasWritable);
  if (upgraded) downgradeOpen();
  return 1;
}
