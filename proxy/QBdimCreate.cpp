// Building a new chain: the creation constructor, two extensions from two measured points with
// the dimension line through a given point.
#include "acadobjects/Angles.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "settings/GlobDimOptions.h"
#include "settings/LayerRules.h"

namespace {

// The rotation of a horizontal chain in the coordinate system whose x axis is `xAxis`.
double UcsRotation(const AcGeVector3d& xAxis) {
  const double a = xAxis.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  if (a == 0.0) return 0.0;
  double rotation = kTwoPi - a;
  if (RoundDegrees0(rotation) > 180) rotation -= kPi;
  return rotation;
}

AcGeVector3d TurnedXAxis(double rotation) {
  AcGeVector3d v = AcGeVector3d::kXAxis;
  v.rotateBy(rotation, AcGeVector3d::kZAxis);
  return v;
}

}  // namespace

QBdim::QBdim(const AcGePoint3d& p1In, const AcGePoint3d& p2In, const AcGePoint3d& dimLinePoint, int dimType,
             const AcGeVector3d* vecDim, AcDbObjectId arcId, int arcSubent, const AcGeMatrix3d* ucs)
    : QBdim() {
  AcGePoint3d p1 = p1In;
  AcGePoint3d p2 = p2In;
  m_dimType = dimType;
  SetCoordSystem(ucs);
  if (!arcId.isNull()) {
    m_arcObjectId = arcId;
    m_arcSubent = arcSubent;
  }

  if (vecDim) {
    m_vectorDim = *vecDim;
    m_dRotation = kPi - m_vectorDim.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
    SnapAngle(m_dRotation);
  } else if (dimType == DIMTYPE_HORIZONTAL || dimType == DIMTYPE_VERTICAL) {
    double rotation = UcsRotation(m_xyzAxis[0]);
    if (dimType == DIMTYPE_VERTICAL) rotation += kHalfPi;
    m_vectorDim = TurnedXAxis(rotation);
    if (dimType == DIMTYPE_VERTICAL) {
      if (RoundDegrees0(rotation) == 90) {
        m_vectorDim = AcGeVector3d::kYAxis;
      } else if (RoundDegrees0(rotation) > 180) {
        rotation -= kPi;
        m_vectorDim = TurnedXAxis(rotation);
      }
    }
    m_dRotation = rotation;
  } else if (dimType == DIMTYPE_ALIGNED) {
    // Picking an object that gives the direction belongs to the interactive creation; without a
    // coordinate system the direction is taken from p1 to p2 as given.
    AcGeVector3d forward = p2 - p1;
    if (!forward.isZeroLength()) forward = forward.normal();
    const double r1 = kPi - forward.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
    const double r2 = kPi - (-forward).angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
    if (r1 < 0 || (r1 > r2 && r2 > 0)) {
      m_vectorDim = -forward;
      m_dRotation = r2;
    } else {
      m_vectorDim = forward;
      m_dRotation = r1;
    }
    // Half a turn means the same line: the rotation is kept in [0, 180) degrees like every other.
    SnapAngle(m_dRotation);
  }

  Initialize(0);
  setDatabaseDefaults();
  const AcDbObjectId layer = GetLayerForObject(this, arrayString);
  if (!layer.isNull()) setLayer(layer);

  const bool arcChain = IsDimArc();
  bool circleWithOnePoint = false;
  if (arcChain) {
    m_arcPoints.setLogicalLength(7);
    if (AcGeCircArc3d* arc = GetArcInput(0)) {
      const double t1 = arc->paramOf(p1);
      const double t2 = arc->paramOf(p2);
      if (qbgeom::ChainInt(*this, IND_I_ArcDimInputArcIsCircle)) {
        if (p1.isEqualTo(p2)) {
          qbgeom::SetChainInt(*this, IND_I_ArcDimAsCircle, 1);
          circleWithOnePoint = true;
        }
      } else if (t1 > t2) {
        const AcGePoint3d swap = p1;
        p1 = p2;
        p2 = swap;
      }
      delete arc;
    }
    m_arcPoints[4] = p1;
    m_arcPoints[6] = p2;
  }

  AddPointInput(p1, 0);
  const AcGePoint3d dim0 = circleWithOnePoint ? p1 + AcGeVector3d::kXAxis * 0.05 : DimPointOf(dimLinePoint);
  SetPointSlot(0, 2, dim0);
  SetPointSlot(0, 3, dim0);
  AddPointInput(p2, 0);

  if (arcChain) {
    m_arcPoints[4] = GetPointDim(0);
    m_arcPoints[6] = GetPointDim(1);
    if (qbgeom::ChainInt(*this, IND_I_ArcDimInputArcIsCircle)) {
      qbgeom::SetChainInt(*this, IND_I_ArcDimMinPoint, 0);
      qbgeom::SetChainInt(*this, IND_I_ArcDimMaxPoint, 1);
    }
  }
  ChangePointMainDim(dimLinePoint, 0);
}
