// The geometry of a chain: its direction and coordinate conversions, the extension lines and their
// start points, the dimension line, the order of the extensions and the measured lengths.
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "acadobjects/AcadVars.h"
#include "acadobjects/Angles.h"
#include "acadobjects/CurveHelpers.h"
#include "acadobjects/Messages.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/Exceptions.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

using qbgeom::ChainDouble;
using qbgeom::ChainInt;
using qbgeom::GlobalDouble;
using qbgeom::GlobalOptInt;

namespace {

// Dimension-line points closer than this are the same point.
constexpr double kSamePointTol = 0.0001;

bool StrictlyBetween90And180(double angle) {
  const double degrees = RoundDegrees0(angle);
  return degrees > 90 && degrees < 180;
}

// The angle of the line direction v as the chain stores it: pi minus the angle from v to the x
// axis about z, through SnapAngle into [0, 180) degrees.
double NormalisedRotation(double r) {
  SnapAngle(r);
  if (r < 0) r += kTwoPi;
  if (RoundDegrees0(r) >= 180) r -= kPi;
  SnapAngle(r);
  return r;
}

void AddOnce(std::vector<int>& segments, int seg) {
  for (int s : segments) {
    if (s == seg) return;
  }
  segments.push_back(seg);
}

}  // namespace

// ---- coordinate conversions ----

AcGePoint3d QBdim::ToUcs(const AcGePoint3d& p) const {
  const AcGeVector3d v = p - m_xyzOrigin;
  return AcGePoint3d(v.dotProduct(m_xyzAxis[0]), v.dotProduct(m_xyzAxis[1]), v.dotProduct(m_xyzAxis[2]));
}

AcGeVector3d QBdim::ToUcs(const AcGeVector3d& v) const {
  return AcGeVector3d(v.dotProduct(m_xyzAxis[0]), v.dotProduct(m_xyzAxis[1]), v.dotProduct(m_xyzAxis[2]));
}

AcGePoint3d QBdim::ToWorld(const AcGePoint3d& p) const { return m_xyzOrigin + ToWorld(p.asVector()); }

AcGeVector3d QBdim::ToWorld(const AcGeVector3d& v) const {
  return m_xyzAxis[0] * v.x + m_xyzAxis[1] * v.y + m_xyzAxis[2] * v.z;
}

// ---- direction ----

void QBdim::UpdateDirection() {
  const int n = GetExtensions();
  if (n < 2) return;
  qbgeom::WriteScope scope(this);
  AcGeVector3d d = GetPointDim(n - 1) - GetPointDim(0);
  const double r1 = kPi - d.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  const double r2 = kPi - (-d).angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  const double r = r1 > r2 ? r2 : r1;
  m_dRotation = NormalisedRotation(r);
  m_vectorDim = AcGeVector3d::kXAxis;
  m_vectorDim.rotateBy(m_dRotation, AcGeVector3d::kZAxis);
}

int QBdim::GetExtSide(int iExt, double angle, const AcGePoint3d* p) {
  const AcGePoint3d from = p ? *p : GetPointInput(iExt);
  AcGeVector3d v = ToUcs(GetPointDim(iExt)) - ToUcs(from);
  v.rotateBy(-angle, AcGeVector3d::kZAxis);
  if (std::fabs(v.x) < 0.001) return v.y < 0.001 ? -1 : 1;
  if (std::fabs(v.y) > 0.001) return v.x < 0.001 ? 1 : -1;
  return 1;
}

int QBdim::GetDirectionAngle(int iExt, double& angle, int& side) {
  if (IsDimArc()) UpdateArcDirection(iExt == 0 ? -1000 : iExt);
  const int n = GetExtensions();
  int index = std::abs(iExt);
  if (index > n - 1) index = n - 1;
  if (index < 0) index = 0;
  AcGeVector3d dir = AcGeVector3d::kXAxis;
  dir.rotateBy(m_dRotation, AcGeVector3d::kZAxis);
  dir = ToUcs(dir);
  double a = kPi - dir.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  if (a < 0) a += kTwoPi;
  if (a >= kPi) a -= kPi;
  SnapAngle(a);
  angle = a;
  side = GetExtSide(index, a);
  return StrictlyBetween90And180(a) ? -1 : 1;
}

// ---- extension lines ----

AcGeVector3d QBdim::GetExtDirection() const {
  AcGeVector3d e = m_vectorDim.crossProduct(m_xyzAxis[2]);
  if (e.isZeroLength() || !e.isPerpendicularTo(m_vectorDim)) {
    acutPrintf(L"\n ExtDirection %.3f,%.3f,%.3f VEC=%.3f,%.3f,%.3f Z=%.3f,%.3f,%.3f ", e.x, e.y, e.z, m_vectorDim.x,
               m_vectorDim.y, m_vectorDim.z, m_xyzAxis[2].x, m_xyzAxis[2].y, m_xyzAxis[2].z);
    e = m_vectorDim.crossProduct(AcGeVector3d::kZAxis);
  }
  return e.isZeroLength() ? e : e.normal();
}

AcGeLine3d QBdim::GetLineExt(int iExt) {
  AcGePoint3d measured = GetPointInput(iExt);
  if (!IsDimArc()) return AcGeLine3d(measured, GetExtDirection());
  AcGePoint3d centre = m_arcPoints.length() > 3 ? m_arcPoints[3] : AcGePoint3d::kOrigin;
  double radius = 1.0;
  if (centre.isEqualTo(AcGePoint3d::kOrigin) || measured.distanceTo(centre) < 0.001) {
    AcGeCircArc3d* arc = GetArcInput(0);
    if (arc) {
      if (centre.isEqualTo(AcGePoint3d::kOrigin)) centre = arc->center();
      radius = arc->radius();
      delete arc;
    }
  }
  if (measured.distanceTo(centre) < 0.001) measured += AcGeVector3d::kXAxis * radius;
  return AcGeLine3d(centre, measured);
}

AcGePoint3d QBdim::DimPointOf(const AcGePoint3d& p) {
  if (GetExtensions() < 1 || m_vectorDim.isZeroLength()) return p;
  const AcGeVector3d ext = GetExtDirection();
  if (ext.isZeroLength()) return p;
  const AcGeLine3d dimLine(GetPointDim(0), m_vectorDim);
  const AcGeLine3d through(p, ext);
  AcGePoint3d q;
  return MyIntersect(through, dimLine, q) ? q : p;
}

int QBdim::SetPointExt1(int iExt, AcGePoint3d p, int mode) {
  const int n = GetExtensions();
  if (iExt < 0 || iExt >= n || n < 2 || !pGlobDimOptions) {
    TraceMsgF(L"\n******* SetPointExt1 !!! %d / %d ", iExt, n);
    return 0;
  }
  double gap = ScaledSize(GlobalDouble(IND_D_ExtendBeyondDimLine));
  double off = ScaledSize(GlobalDouble(IND_D_OffsetFromOrigin));
  const AcGePoint3d dim = GetPointDim(iExt);
  const AcGePoint3d measured = GetPointInput(iExt);

  if (IsDimArc()) {
    if (mode == 0) {
      switch (ChainInt(*this, IND_I_ExtLine)) {
        case 1:
          p = dim;
          gap = ScaledSize(ChainDouble(*this, IND_D_ExtLineLength));
          break;
        case 0:
          p = dim;
          break;
        case 2:
          p = measured;
          break;
        default:
          break;
      }
    }
    if (gap == 0.0) gap = 0.0001;
    if (off == 0.0) off = 0.0001;
    SetBoundaryPoint(p, measured, off, dim, gap);
    SetPointSlot(iExt, 1, p);
    return 1;
  }

  const double D = measured.distanceTo(dim);
  p = ProjectToPlane(p, dim, GetNormal());
  p = ProjectToPlane(p, dim, m_vectorDim);
  AcGeVector3d m = dim - p;
  double a = 0.0;
  int s = 1;
  int f = GetDirectionAngle(iExt, a, s);
  if (StrictlyBetween90And180(a)) f = -f;
  const AcGeLine3d extLine(dim, GetExtDirection());
  // Moves toward the dimension line from the side of the measured point.
  const AcGeVector3d towardLine = ToWorld(AcGeVector3d(-std::sin(a), std::cos(a), 0.0)) * (s * f);

  bool pending = false;
  double correction = 0.0;
  for (int pass = 1; pass <= 5; ++pass) {
    if (pending) {
      p += towardLine * correction;
      pending = false;
    }
    AcGePoint3d onExt;
    if (!MyIntersect(AcGeLine3d(p, m_vectorDim), extLine, onExt)) {
      acutPrintf(L" SetPoint E. ");
      return 0;
    }
    p = onExt;
    if (pass == 5) break;
    if (GetExtSide(iExt, a, &p) == s) {
      const double d = p.distanceTo(dim);
      if (d < gap - 0.01) {
        p = dim;
        correction = -gap;
        pending = true;
      } else if (d > D - off + 0.01 && D > gap) {
        p = measured;
        correction = off;
        pending = true;
      }
      if (!pending) break;
    } else {
      if (mode != 0) {
        p = dim;
        correction = -gap;
        pending = true;
      } else {
        m = -m;
        p = dim - m;
      }
      if (pass == 4) break;
    }
  }
  SetPointSlot(iExt, 1, p);
  return 1;
}

int QBdim::ApplyExtDirection(int iExt) {
  if (ChainInt(*this, IND_I_ExtLine) != 1) return 0;
  const int direction = ChainInt(*this, IND_I_DirectionExt);
  if (iExt >= 0 && direction != 1 && direction != 2) return 0;
  const int n = GetExtensions();
  if (iExt >= n) return 0;
  const double length = ScaledSize(ChainDouble(*this, IND_D_ExtLineLength));
  const int first = iExt < 0 ? 0 : iExt;
  const int last = iExt < 0 ? n - 1 : iExt;
  for (int k = first; k <= last; ++k) {
    const AcGePoint3d dim = GetPointDim(k);
    AcGeVector3d offset = m_vectorDim;
    if (direction == 1) {
      offset.rotateBy(kHalfPi, GetNormal());
    } else if (direction == 2) {
      offset.rotateBy(-kHalfPi, GetNormal());
    } else {
      offset = GetPointInput(k) - dim;
    }
    if (!offset.isZeroLength()) offset = offset.normal();
    SetPointSlot(k, 1, dim + offset * length);
  }
  return 1;
}

// ---- adding, moving and removing extensions ----

int QBdim::AddPointInput(AcGePoint3d p, int keepDuplicates) {
  const int before = GetExtensions();
  if (before >= 1) p = ProjectToPlane(p, GetPointDim(0), GetNormal());
  if (!IsDimArc() && keepDuplicates == 0) {
    const AcGePoint3d q = DimPointOf(p);
    for (int k = 0; k < before; ++k) {
      if (GetPointDim(k).distanceTo(q) > kSamePointTol) continue;
      if (before >= 2) return -1;
      p += m_vectorDim / 1000000.0;
    }
  }
  for (int slot = 0; slot < 4; ++slot) arrayPoints.append(p);
  const int n = GetExtensions();
  arrayText.SetAtGrow(n - 1, CString());
  if (n > 2) SetPointSlot(n - 1, 2, AcGePoint3d::kOrigin);
  // The new extension's flag word rides along while the chain is sorted, so the words of all
  // extensions stay with their extensions.
  arrayExtFlags.SetSize(n - 1);
  arrayExtFlags.Add(0);
  int k = n - 1;
  if (n > 2) {
    k = SetPointInput(n - 1, p, 0);
    if (k < 0) k = n - 1;
    if (GlobalOptInt(IND_OPT_B_AutoPosition) && !IsDimArc()) {
      const int seg = k > 1 ? k : 1;
      SetDimTextCode(seg, -8);
      PlaceText(seg);
    }
  }
  arrayExtFlags.SetSize(GetExtensions());
  return k;
}

int QBdim::SetPointInput(int iExt, AcGePoint3d p, int mode) {
  try {
    const int n = GetExtensions();
    if (n >= 1) p = ProjectToPlane(p, GetPointDim(0), GetNormal());
    if (iExt < 0 || iExt >= n || n < 2) return -1;
    if (IsDimArc()) {
      AcGePoint3d copy = p;
      return SetPointInputArc(iExt, copy, mode);
    }
    std::vector<int> remembered;
    for (int seg : {iExt, iExt + 1}) {
      if (seg >= 1 && seg < n && (mode == 0 || IsTextAtDefaultPlace(seg))) remembered.push_back(seg);
    }

    const AcGePoint3d oldDim = GetPointDim(iExt);
    SetPointSlot(iExt, 0, p);
    const int other = iExt == 0 ? 1 : 0;
    const AcGeLine3d dimLine(ProjectToPlane(GetPointDim(other), p, GetNormal()), m_vectorDim);
    AcGePoint3d dim;
    if (!MyIntersect(dimLine, GetLineExt(iExt), dim)) dim = dimLine.closestPointTo(p);
    SetPointSlot(iExt, 2, dim);

    AcGePoint3d start = p;
    if (mode == 1) {
      start = GetPointExt1(iExt);
    } else if (ChainInt(*this, IND_I_ExtLine) == 1) {
      double a = 0.0;
      int side = 1;
      GetDirectionAngle(iExt, a, side);
      const AcGeVector3d towardLine = ToWorld(AcGeVector3d(-std::sin(a), std::cos(a), 0.0)) * side;
      start = dim - towardLine * ScaledSize(ChainDouble(*this, IND_D_ExtLineLength));
    }
    AcGePoint3d onExt;
    if (MyIntersect(AcGeLine3d(start, m_vectorDim), GetLineExt(iExt), onExt)) {
      SetPointExt1(iExt, onExt, 0);
    } else {
      SetPointExt1(iExt, p, 0);
      acutPrintf(L"\n Dl.Ext=%.2f VEC=%.2f ", p.distanceTo(dim), m_vectorDim.length());
      acutPrintf(L" - SPI No INTERSECT!! ");
    }

    if (mode == 100) SetPointSlot(iExt, 3, GetPointExt2(iExt) + (dim - oldDim));

    int k = iExt;
    if (n > 2 && mode != 100) k = RearrangeExtensions(iExt);
    if (mode != 0 && mode != 100 && GlobalOptInt(IND_OPT_B_AutoPosition) && !IsDimArc()) {
      if (k != iExt) {
        for (int seg : {k, k + 1}) {
          if (seg >= 1 && seg < n && IsTextAtDefaultPlace(seg)) AddOnce(remembered, seg);
        }
      }
      if (k > 1 && k < n - 1 && IsTextAtDefaultPlace(k - 1)) AddOnce(remembered, k - 1);
    }
    if (k != iExt) {
      TraceMsgF(L"\n!!! iOriginalExt=%d teraz=%d ", iExt, k);
      RefreshDimText(iExt);
      if (iExt + 1 < n) RefreshDimText(iExt + 1);
    }
    for (int seg : {k, k + 1}) {
      if (seg == k + 1 && mode == 0) continue;
      if (seg < 1 || seg >= n) continue;
      RefreshDimText(seg);
      if (k != iExt) AddOnce(remembered, seg);
    }
    if (mode == 0) {
      remembered.clear();
      for (int seg : {k, k + 1}) {
        if (seg >= 1 && seg < n) remembered.push_back(seg);
      }
    }
    for (int seg : remembered) PlaceText(seg);
    return k;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  TraceMsg(L"\n!!! SPI ANY ERROR !!!");
  ShowMessage(L"Any problem on SetPointInput...");
  return iExt;
}

int QBdim::ChangePointMainDim(AcGePoint3d p, int keepLengths) {
  const int n = GetExtensions();
  if (n < 2) {
    TraceMsgF(L"\n******* ChangePointMainDim !!! n=%d ", n);
    return 0;
  }
  if (IsDimArc()) return ChangePointMainDimArc(p, keepLengths);
  p = ProjectToPlane(p, GetPointDim(0), GetNormal());
  const AcGePoint3d oldDim0 = GetPointDim(0);
  SetPointSlot(0, 3, p);
  const AcGeLine3d newLine(p, m_vectorDim);
  const bool fixedLines = ChainInt(*this, IND_I_ExtLine) == 1;
  const double lineLength = ScaledSize(ChainDouble(*this, IND_D_ExtLineLength));
  const double fixed = fixedLines ? lineLength : 0.0;

  for (int k = 0; k < n; ++k) {
    const AcGePoint3d oldDim = GetPointDim(k);
    const AcGePoint3d start = GetPointExt1(k);
    AcGePoint3d newDim = oldDim;
    if (!MyIntersect(newLine, GetLineExt(k), newDim)) {
      acutPrintf(L"\n ChangePointMainDim: no intersection at %d ", k);
      newDim = oldDim;
    }
    const AcGeVector3d d = newDim - oldDim;
    const double L = start.distanceTo(oldDim);
    SetPointSlot(k, 2, newDim);
    if (keepLengths != 0) {
      const AcGePoint3d q = std::fabs(L - fixed) > 0.01 ? start : start + d;
      SetPointExt1(k, q, keepLengths);
    } else if (fixedLines) {
      double a = 0.0;
      int side = 1;
      GetDirectionAngle(k, a, side);
      const AcGeVector3d towardLine = ToWorld(AcGeVector3d(-std::sin(a), std::cos(a), 0.0)) * side;
      const AcGePoint3d q = newDim - towardLine * lineLength;
      AcGePoint3d onExt;
      if (MyIntersect(AcGeLine3d(q, m_vectorDim), GetLineExt(k), onExt)) {
        SetPointExt1(k, onExt, 0);
      } else {
        acutPrintf(L"\n ChangePointMainDim Ext=%.2f ", lineLength);
        acutPrintf(L"\n ChangePointMainDim L=%.2f ", L);
      }
    }
  }

  const AcGeVector3d moved = GetPointDim(0) - oldDim0;
  if (moved.length() > kSamePointTol) {
    for (int seg = 1; seg < n; ++seg) {
      AcGePoint3d t = GetPointExt2(seg) + moved;
      SetPointText(seg, t, 1);
    }
  }
  return 0;
}

int QBdim::RearrangeExtensions(int iExt) {
  if (GetActiveCommand(true) == L"STRETCH") return iExt;
  if (IsDimArc() && iExt >= 0) MakeParamArray();
  const int n = GetExtensions();

  std::vector<double> keys(static_cast<size_t>(n > 0 ? n : 0), 0.0);
  bool useY = false;
  if (!IsDimArc() && iExt >= 0) {
    double a = 0.0;
    int side = 1;
    GetDirectionAngle(iExt, a, side);
    useY = RoundDegrees0(a) == 90;
  }
  for (int k = 0; k < n; ++k) {
    if (IsDimArc()) {
      keys[k] = k < arrayParam.GetSize() ? arrayParam[k] : 0.0;
    } else {
      const AcGePoint3d u = ToUcs(GetPointDim(k));
      keys[k] = useY ? u.y : u.x;
    }
  }
  if (arrayText.GetSize() != n) arrayText.SetSize(n);

  bool sorted = true;
  for (int k = 1; k < n && sorted; ++k) sorted = keys[k - 1] <= keys[k];
  if (sorted) return iExt < 0 ? 0 : iExt;

  for (INT_PTR r = 0; r < AppendTextList.GetSize(); ++r) {
    AppendingText* rec = AppendingTextAt(r);
    if (rec) rec->ptAnchor = GetPointExt2(rec->iExt);
  }

  int followed = iExt;
  // Exchange sort: the first descending pair is swapped and the scan goes on from the pair
  // before it (the pairs further left are still in order, so this is the scan from the left).
  int k = 1;
  while (k < n) {
    if (!(keys[k - 1] > keys[k])) {
      ++k;
      continue;
    }
    std::swap(keys[k - 1], keys[k]);
    for (int slot = 0; slot < 4; ++slot) {
      if (slot == 3 && k == 1) continue;
      const AcGePoint3d left = arrayPoints[4 * (k - 1) + slot];
      arrayPoints[4 * (k - 1) + slot] = arrayPoints[4 * k + slot];
      arrayPoints[4 * k + slot] = left;
    }
    if (IsDimArc() && k < arrayParam.GetSize()) std::swap(arrayParam[k - 1], arrayParam[k]);
    if (k > 1 && k < arrayText.GetSize()) std::swap(arrayText[k - 1], arrayText[k]);
    if (k < arrayExtFlags.GetSize()) std::swap(arrayExtFlags[k - 1], arrayExtFlags[k]);
    if (followed == k - 1) {
      followed = k;
    } else if (followed == k) {
      followed = k - 1;
    }
    k = k > 1 ? k - 1 : 1;
  }

  for (INT_PTR r = 0; r < AppendTextList.GetSize(); ++r) {
    AppendingText* rec = AppendingTextAt(r);
    if (!rec) continue;
    int found = -1;
    for (int e = 1; e < n && found < 0; ++e) {
      if (GetPointExt2(e).isEqualTo(rec->ptAnchor, AcGeContext::gTol)) found = e;
    }
    if (found < 0 && n > 0 && GetPointExt2(0).isEqualTo(rec->ptAnchor, AcGeContext::gTol)) found = 0;
    if (found >= 0) {
      rec->iExt = static_cast<short>(found);
    } else {
      acutPrintf(L"\nDEBUG: AppPoint not found %d. AppText pos:%d ", static_cast<int>(rec->iExt), static_cast<int>(r));
    }
  }

  if (ChainInt(*this, IND_I_ArcDimInputArcIsCircle) && n > 0) {
    qbgeom::SetChainInt(*this, IND_I_ArcDimMinPoint, 0);
    qbgeom::SetChainInt(*this, IND_I_ArcDimMaxPoint, n - 1);
    if (m_arcPoints.length() < 7) m_arcPoints.setLogicalLength(7);
    m_arcPoints[0] = GetPointDim(0);
    m_arcPoints[4] = GetPointInput(0);
    m_arcPoints[2] = GetPointDim(n - 1);
    m_arcPoints[6] = GetPointInput(n - 1);
  }

  for (int seg = 1; seg < n; ++seg) RefreshDimText(seg);
  if (IsDimArc() && ChainInt(*this, IND_I_ArcDimAsCircle)) RefreshDimText(0);
  return iExt < 0 ? 0 : followed;
}

int QBdim::RemoveDimExt(int iExt) {
  const int n = GetExtensions();
  if (n <= 2) {
    TraceMsgF(L"\nRemoveDimExt: a chain keeps two extensions (%d) ", n);
    return 0;
  }
  if (iExt < 0 || iExt >= n) return 0;

  SetAppendingText(iExt, nullptr);
  SetAppendingText(iExt + 1, nullptr);
  for (INT_PTR r = 0; r < AppendTextList.GetSize(); ++r) {
    AppendingText* rec = AppendingTextAt(r);
    if (rec && rec->iExt > iExt) rec->iExt = static_cast<short>(rec->iExt - 1);
  }

  if (arrayText.GetSize() != n) arrayText.SetSize(n);
  arrayText.RemoveAt(iExt == 0 ? 1 : iExt);
  arrayPoints.removeSubArray(4 * iExt, 4 * iExt + 3);
  if (iExt < arrayExtFlags.GetSize()) arrayExtFlags.RemoveAt(iExt);

  if (IsDimArc()) {
    MakeParamArray();
    SetPointSlot(0, 3, GetPointDim(0));
    qbgeom::SetGlobalOptInt(IND_OPT_B_ExtNewPosition, 0);
    Regenerate(1);
  }
  const int now = GetExtensions();
  if (iExt >= 1 && iExt < now) {
    if (!IsDimArc()) SetPointInput(iExt, GetPointInput(iExt), 1);
    PlaceText(iExt);
  }
  return now;
}

// ---- measured lengths ----

double QBdim::GetDistance(int i) {
  if (i < 0) i = 0;
  if (!IsDimArc()) {
    const int j = i > 1 ? i : 1;
    return GetPointDim(j).distanceTo(GetPointDim(j - 1));
  }
  const int n = GetExtensions();
  if (n < 1 || i >= n) return 0.0;
  AcGeCircArc3d* arc = GetArcInput(0);
  if (!arc) return 0.0;
  const AcGePoint3d a = i == 0 ? GetPointInput(0) : GetPointInput(i - 1);
  const AcGePoint3d b = i == 0 ? GetPointInput(n - 1) : GetPointInput(i);
  AcGeTol tol;
  tol.setEqualPoint(1e-6);
  tol.setEqualVector(1e-6);
  double t1 = arc->paramOf(a, tol);
  double t2 = arc->paramOf(b, tol);
  if (t1 == 0.0 && t2 == 0.0) {
    arc->setAngles(0.0, kTwoPi);
    t1 = arc->paramOf(a, tol);
    t2 = arc->paramOf(b, tol);
  }
  double result = 0.0;
  if (IsFullCircleInput()) {
    result = kTwoPi * arc->radius();
  } else if (i != 0 && !(t2 > t1)) {
    result = arc->length(t1, t2);
  } else {
    result = arc->length(t2, t1);
  }
  delete arc;
  return result;
}
