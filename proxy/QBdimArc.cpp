// The arc chain: the measured arc (from the picked curve or built from the measured points), the
// dimension arc, the curve parameters of the extensions, the arc end slots and the direction.
#include <cmath>
#include <cstdlib>
#include <memory>

#include "acadobjects/Angles.h"
#include "acadobjects/CurveHelpers.h"
#include "acadobjects/Messages.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/CommandLine.h"
#include "host/ge/AcGeContext.h"
#include "host/mfc/Exceptions.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

using qbgeom::ChainInt;
using qbgeom::SetChainInt;

namespace {

using ArcPtr = std::unique_ptr<AcGeCircArc3d>;

AcGeTol TolOf(double value) {
  AcGeTol tol;
  tol.setEqualPoint(value);
  tol.setEqualVector(value);
  return tol;
}

void EnsureArcPoints(AcGePoint3dArray& points) {
  if (points.length() < 7) points.setLogicalLength(7);
}

// The angle of `point` about `centre` in the plane of `normal`, counted from the x axis, in [0, 2pi).
double AngleAbout(const AcGePoint3d& centre, const AcGeVector3d& normal, const AcGePoint3d& point) {
  const AcGeCircArc3d circle(centre, normal, AcGeVector3d::kXAxis, 1.0, 0.0, kTwoPi);
  return circle.paramOf(point);
}

// 2pi minus the angle from the direction c->p to the x axis about z: the angle of p about c.
double AngleOfPoint(const AcGePoint3d& c, const AcGePoint3d& p) {
  return kTwoPi - (p - c).angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
}

double ArcLength(const AcGePoint3d& c, const AcGeVector3d& normal, double radius, double from, double to) {
  AcGeCircArc3d arc;
  arc.set(c, normal, AcGeVector3d::kXAxis, radius, from, to);
  return arc.length();
}

// Chain rotation of a line direction, as the straight chains store it.
double RotationOf(AcGeVector3d& v) {
  double r = kPi - v.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  const double reverse = kPi - (-v).angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  if (r > reverse) {
    v = -v;
    r = reverse;
  }
  SnapAngle(r);
  if (r < 0) r += kTwoPi;
  if (RoundDegrees0(r) >= 180) r -= kPi;
  SnapAngle(r);
  return r;
}

}  // namespace

bool QBdim::IsFullCircleInput() {
  if (!IsDimArc() || !ChainInt(*this, IND_I_ArcDimAsCircle)) return false;
  const int n = GetExtensions();
  if (n < 1 || n > 2) return false;
  return n == 1 || arrayPoints[0].isEqualTo(arrayPoints[4], AcGeContext::gTol);
}

AcDbEntity* QBdim::GetDbArcInput() {
  if (!m_arcObjectId.isValid()) {
    TraceMsg(L"GetDbArcInput !m_arcObjectId.isValid()");
    return nullptr;
  }
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, m_arcObjectId, AcDb::kForRead) != Acad::eOk) return nullptr;
  return entity;
}

AcGeCircArc3d* QBdim::GetArcInput(int full) {
  SetChainInt(*this, IND_I_ArcDimInputArcIsCircle, 0);
  ArcPtr arc;
  try {
    const int n = GetExtensions();
    if (AcDbEntity* entity = GetDbArcInput()) {
      try {
        if (AcDbCircle::cast(entity)) SetChainInt(*this, IND_I_ArcDimInputArcIsCircle, 1);
        arc.reset(Curve2GeArc(entity, m_arcSubent));
        if (!arc && n > 0) arc.reset(ArcBetweenPoints(entity, GetPointInput(0), GetPointInput(n - 1)));
      } catch (...) {
        entity->close();
        throw;
      }
      entity->close();
    }
    if (!arc && n >= 2) {
      // No curve: the arc the measured points suggest.
      const AcGePoint3d first = GetPointInput(0);
      const AcGePoint3d last = GetPointInput(n - 1);
      AcGeVector3d normal = GetNormal();
      if (normal.isZeroLength()) normal = AcGeVector3d::kZAxis;
      AcGePoint3d centre;
      if (!MyIntersect(AcGeLine3d(first, GetPointDim(0)), AcGeLine3d(last, GetPointDim(n - 1)), centre)) {
        centre = first + (last - first) * 0.5;
      }
      double radius = centre.distanceTo(first);
      if (radius == 0.0) radius = first.distanceTo(GetPointDim(0)) + 0.0001;
      AcGeCircArc3d circle(centre, normal, radius);
      AcGe::ErrorCondition flag = AcGe::kOk;
      arc.reset(new AcGeCircArc3d(circle));
      if (n == 2) {
        if (circle.paramOf(last) < circle.paramOf(first)) circle.reverseParam();
        const double middle = (circle.paramOf(first) + circle.paramOf(last)) / 2;
        arc->set(first, circle.evalPoint(middle), last, flag);
        if (flag != AcGe::kOk) *arc = circle;
        if (arrayParam.GetSize() < 2) arrayParam.SetSize(2);
        arrayParam[0] = arc->paramOf(first);
        arrayParam[1] = arc->paramOf(last);
        RearrangeExtensions(-1);
      } else {
        arc->set(first, GetPointInput(n - 2), last, flag);
        if (flag != AcGe::kOk) *arc = circle;
      }
    }
    if (!arc) return nullptr;
    if (ChainInt(*this, IND_I_ArcDimInputArcIsCircle)) {
      AcGeVector3d ref = arc->refVec();
      const int minPoint = ChainInt(*this, IND_I_ArcDimMinPoint);
      if (minPoint >= 0 && minPoint < n) {
        const AcGeVector3d toMin = GetPointInput(minPoint) - arc->center();
        if (!toMin.isZeroLength()) ref = toMin;
      }
      arc->set(arc->center(), arc->normal(), ref, arc->radius(), 0.0, kTwoPi);
    } else if (full) {
      const double extend = (kTwoPi - std::fabs(arc->endAng() - arc->startAng())) / 2;
      arc->setAngles(arc->startAng() - extend, arc->endAng() + extend);
    }
    EnsureArcPoints(m_arcPoints);
    m_arcPoints[3] = arc->center();
    return arc.release();
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  acutPrintf(L"\nGetArcInput ERROR  ");
  return nullptr;
}

AcGeCircArc3d* QBdim::GetArcDim(int i, double extend) {
  const int n = GetExtensions();
  if (n < 1) return nullptr;
  if (m_arcPoints.length() < 7) {
    const int had = m_arcPoints.length();
    EnsureArcPoints(m_arcPoints);
    UpdateArcEnds(-1);
    acutPrintf(L"\n!!!***GetArcDim(%d) m_arcPoints=%d ", i, had);
    i = -100;
  }
  const bool circleInput = ChainInt(*this, IND_I_ArcDimInputArcIsCircle) != 0;
  // The sense of the measured arc: the dimension arc turns the same way.
  AcGeVector3d normal = GetNormal();
  if (normal.isZeroLength()) normal = AcGeVector3d::kZAxis;
  if (ArcPtr input{GetArcInput(0)}) {
    if (input->normal().dotProduct(normal) < 0) normal = -normal;
  }
  const AcGePoint3d centre = m_arcPoints[3];
  if (centre.distanceTo(AcGePoint3d::kOrigin) < 0.01 || centre.distanceTo(m_arcPoints[0]) < 0.001) {
    m_arcPoints[4] = GetPointInput(0);
    m_arcPoints[6] = GetPointInput(n - 1);
    m_arcPoints[0] = GetPointDim(0);
    m_arcPoints[2] = GetPointDim(n - 1);
    if (circleInput) {
      SetChainInt(*this, IND_I_ArcDimMinPoint, 0);
      SetChainInt(*this, IND_I_ArcDimMaxPoint, n - 1);
    }
  }
  if (arrayParam.GetSize() == 0 || (!circleInput && arrayParam.GetSize() != n)) MakeParamArray();
  const double radius = centre.distanceTo(GetPointDim(0));
  if (ChainInt(*this, IND_I_ArcDimAsCircle) || i == -100) {
    return new AcGeCircArc3d(centre, normal, radius < 0.001 ? 0.05 : radius);
  }
  if (!circleInput) {
    m_arcPoints[0] = GetPointDim(0);
    m_arcPoints[2] = GetPointDim(n - 1);
  }
  const double from = AngleAbout(centre, normal, m_arcPoints[0]);
  double to = AngleAbout(centre, normal, m_arcPoints[2]);
  if (to <= from) to += kTwoPi;
  auto* arc = new AcGeCircArc3d;
  arc->set(centre, normal, AcGeVector3d::kXAxis, radius, from, to);
  if (extend > 0.0001 && radius > 0.0) {
    // The turning sense of the arc is fixed, so its ends move outward on both sides.
    const double delta = extend / radius;
    arc->set(centre, normal, AcGeVector3d::kXAxis, radius, from - delta, to + delta);
  }
  return arc;
}

int QBdim::MakeParamArray() {
  if (!IsDimArc()) return 0;
  EnsureArcPoints(m_arcPoints);
  const int n = GetExtensions();
  if (!ChainInt(*this, IND_I_ArcDimInputArcIsCircle)) {
    SetChainInt(*this, IND_I_ArcDimMinPoint, 0);
    SetChainInt(*this, IND_I_ArcDimMaxPoint, 0);
  } else if (ChainInt(*this, IND_I_ArcDimMaxPoint) >= n && n > 0) {
    SetChainInt(*this, IND_I_ArcDimMaxPoint, n - 1);
    m_arcPoints[2] = GetPointDim(n - 1);
    m_arcPoints[6] = GetPointInput(n - 1);
  }
  arrayParam.SetSize(n);
  for (int k = 0; k < n; ++k) arrayParam[k] = 0.0;
  ArcPtr arc{GetArcInput(0)};
  if (!arc) return 0;
  if (arrayParam.GetSize() != n) arrayParam.SetSize(n);
  const double s = std::fmin(arc->startAng(), arc->endAng());
  const double e = std::fmax(arc->startAng(), arc->endAng());
  const bool circleInput = ChainInt(*this, IND_I_ArcDimInputArcIsCircle) != 0;
  for (int k = 0; k < n; ++k) {
    const AcGePoint3d p = GetPointInput(k);
    double tol = 0.001;
    double t = arc->paramOf(p);
    for (int tries = 0; tries < 100; ++tries, tol *= 2) {
      double on = 0.0;
      if (arc->isOn(p, on, TolOf(tol))) {
        t = on;
        break;
      }
    }
    if (circleInput) {
      if (std::fabs(t - e) < 1e-6) t = 0.0;
    } else if (t <= s) {
      t = s;
      SetChainInt(*this, IND_I_ArcDimMinPoint, 1);
    } else if (t >= e) {
      t = e;
      SetChainInt(*this, IND_I_ArcDimMaxPoint, 1);
    }
    arrayParam[k] = t;
  }
  return 1;
}

int QBdim::UpdateArcEnds(int i) {
  if (!IsDimArc()) return 0;
  EnsureArcPoints(m_arcPoints);
  const int n = GetExtensions();
  if (n < 1) return 0;
  const bool circleInput = ChainInt(*this, IND_I_ArcDimInputArcIsCircle) != 0;
  const bool asCircle = ChainInt(*this, IND_I_ArcDimAsCircle) != 0;
  if (i >= 0 && i < n && circleInput && !asCircle) {
    if (i == ChainInt(*this, IND_I_ArcDimMinPoint)) {
      m_arcPoints[0] = GetPointDim(i);
      m_arcPoints[4] = GetPointInput(i);
      return 0;
    }
    if (i == ChainInt(*this, IND_I_ArcDimMaxPoint)) {
      m_arcPoints[2] = GetPointDim(i);
      m_arcPoints[6] = GetPointInput(i);
      return 0;
    }
    const AcGePoint3d c = m_arcPoints[3];
    const double r = c.distanceTo(m_arcPoints[4]);
    const AcGeVector3d normal = GetNormal();
    const double a4 = AngleOfPoint(c, m_arcPoints[4]);
    const double a6 = AngleOfPoint(c, m_arcPoints[6]);
    const double ai = AngleOfPoint(c, GetPointInput(i));
    const double L = ArcLength(c, normal, r, a4, a6);
    const double L1 = ArcLength(c, normal, r, ai, a6);
    const double L2 = ArcLength(c, normal, r, a4, ai);
    const bool longest = L >= L1 && L >= L2;
    const bool allEqual = std::fabs(L1 - L) <= 0.001 && std::fabs(L2 - L) <= 0.001;
    if (!longest && !allEqual) {
      SetChainInt(*this, IND_I_ArcDimMaxPoint, i);
      m_arcPoints[2] = GetPointDim(i);
      m_arcPoints[6] = GetPointInput(i);
      return 1;
    }
    return 0;
  }
  if (ArcPtr arc{GetArcInput(0)}) m_arcPoints[3] = arc->center();
  SetChainInt(*this, IND_I_ArcDimMinPoint, 0);
  SetChainInt(*this, IND_I_ArcDimMaxPoint, n - 1);
  m_arcPoints[4] = GetPointInput(0);
  m_arcPoints[6] = GetPointInput(n - 1);
  m_arcPoints[0] = GetPointDim(0);
  m_arcPoints[2] = GetPointDim(n - 1);
  return 0;
}

double QBdim::UpdateArcDirection(int i) {
  if (!IsDimArc()) return m_dRotation;
  if (IsFullCircleInput()) {
    const double a = m_xyzAxis[0].angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
    double r = 0.0;
    if (a != 0.0) {
      r = kTwoPi - a;
      if (RoundDegrees0(r) > 180) r -= kPi;
    }
    m_dRotation = r;
    return r;
  }
  const int n = GetExtensions();
  if (n < 2) return m_dRotation;
  AcGeVector3d v;
  bool found = false;
  if (i < n && i >= 1) {
    v = GetPointDim(i) - GetPointDim(i - 1);
    found = !v.isZeroLength();
  } else if (ArcPtr arc{GetArcDim(-1, 0)}) {
    const AcGePoint3d centre = arc->center();
    AcGePoint3d P;
    if (i >= n) {
      P = GetPointDim(n - 1);
    } else if (i == 0) {
      P = GetPointDim(0);
    } else {
      int index = i == -1000 ? 0 : -i;
      if (index >= n) index = n - 1;
      const AcGePoint3d text = GetPointExt2(index);
      if (text.distanceTo(centre) < 0.001 || !MyIntersect(*arc, AcGeLine3d(centre, text), P, text)) {
        P = GetPointDim(index);
      }
    }
    if (P.distanceTo(centre) < 0.001) P += AcGeVector3d::kXAxis * 0.002;
    // The tangent of the dimension circle at P, in the arc's own direction.
    v = arc->normal().crossProduct(P - centre);
    found = !v.isZeroLength();
  }
  if (!found) {
    TraceMsg(L"\n **** !tangent! ***");
    v = GetPointDim(1) - GetPointDim(0);
  }
  const double r = RotationOf(v);
  if (!v.isZeroLength()) m_vectorDim = v.normal();
  m_dRotation = r;
  return r;
}

int QBdim::SetPointInputArc(int iExt, AcGePoint3d& p, int mode) {
  const int n = GetExtensions();
  int index = iExt;
  try {
    TraceMsgF(L"\nSetPointInputArc %d/%d ", iExt, n);
    if (mode != 0) UpdateDirection();
    index = std::abs(iExt);
    if (index >= n || n < 2) {
      TraceMsgF(L"\n******* SetPointInput !!! %d / %d ", index, n);
      return -1;
    }
    const AcGePoint3d old = GetPointInput(index);
    ArcPtr arc{GetArcInput(0)};
    if (!arc) {
      acutPrintf(L"\n !!!SPI !pArcInput ");
      return -1;
    }
    const AcGePoint3d centre = arc->center();
    if (p.distanceTo(centre) < 0.01) p += AcGeVector3d::kXAxis * arc->radius();
    SetPointSlot(index, 0, p);
    AcGePoint3d onArc;
    if (MyIntersect(*arc, AcGeLine3d(centre, p), onArc, p) && arc->isOn(onArc, AcGeContext::gTol)) {
      p = onArc;
    } else {
      TraceMsg(L"\n******* SPIA=!MyIntrsct ");
      const AcGePoint3d s = arc->startPoint();
      const AcGePoint3d e = arc->endPoint();
      p = old.distanceTo(s) < old.distanceTo(e) ? s : e;
    }
    SetPointSlot(index, 0, p);
    if (arrayParam.GetSize() < n) arrayParam.SetSize(n);
    arrayParam[index] = arc->paramOf(p, TolOf(0.0001));
    arc.reset();

    UpdateArcEnds(index);
    ArcPtr circle{GetArcDim(-100, 0)};
    if (!circle) return -1;
    AcGePoint3d dim;
    if (!MyIntersect(*circle, AcGeLine3d(circle->center(), p), dim, p)) {
      const AcGePoint3d s = circle->startPoint();
      const AcGePoint3d e = circle->endPoint();
      dim = p.distanceTo(s) <= p.distanceTo(e) ? s : e;
    }
    SetPointSlot(index, 2, dim);
    circle.reset();

    UpdateArcEnds(index);
    SetPointExt1(index, mode != 0 ? GetPointExt1(index) : p, 0);
    const int original = index;
    if (n > 2) index = RearrangeExtensions(index);
    UpdateArcDirection(-index);
    if (index != original) TraceMsgF(L"\n!!! iOriginalExt=%d teraz=%d ", original, index);
    const int first = ChainInt(*this, IND_I_ArcDimAsCircle) ? 0 : 1;
    for (int k = first; k < n; ++k) {
      RefreshDimText(k);
      SetDimTextCode(k, 8);
      PlaceText(k);
    }
    return index;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  TraceMsg(L"\n!!! SPIA ANY ERROR !!!");
  ShowMessage(L"Any problem on SetPointInputA...");
  return index;
}

int QBdim::ChangePointMainDimArc(AcGePoint3d p, int keepLengths) {
  const int n = GetExtensions();
  if (n < 2) return 0;
  EnsureArcPoints(m_arcPoints);
  if (p.distanceTo(m_arcPoints[3]) < 0.01) p += AcGeVector3d::kXAxis * 0.05;
  const AcGePoint3d oldDim0 = GetPointDim(0);
  SetPointSlot(0, 2, p);
  ArcPtr circle{GetArcDim(-100, 0)};
  if (circle) {
    // The dimension arc runs between the dimension-line points, so they are first put on the new
    // circle (nearest their measured points) before the arc that decides between two meeting
    // points is built from them.
    for (int pass = 0; pass < 2; ++pass) {
      ArcPtr arc{pass == 0 ? nullptr : GetArcDim(-10, 0)};
      for (int k = 0; k < n; ++k) {
        AcGePoint3d dim;
        if (MyIntersect(*circle, GetLineExt(k), dim, GetPointInput(k), arc.get())) {
          SetPointSlot(k, 2, dim);
        } else if (pass == 1) {
          TraceMsgF(L"\n ChangePointMainDimArc: no intersection at %d ", k);
        }
      }
    }
  }
  for (int k = 0; k < n; ++k) SetPointExt1(k, GetPointExt1(k), keepLengths);
  const AcGeVector3d moved = GetPointDim(0) - oldDim0;
  if (moved.length() > 0.0001) {
    for (int seg = 1; seg < n; ++seg) {
      AcGePoint3d t = GetPointExt2(seg) + moved;
      SetPointText(seg, t, 1);
    }
  }
  return 0;
}
