// The texts a chain draws: segment texts with their raised parts and alternate lines, the sum with
// its frame, leaders, manual-text marks, appended texts and the chain label, with the geometry of
// leaders and manual-text marks.
#include <cmath>

#include "acadobjects/CurveHelpers.h"
#include "host/ed/CommandLine.h"
#include "host/gi/AcGiTextStyle.h"
#include "host/gi/AcGiWorldDraw.h"
#include "proxy/ChainDrawPrimitives.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

using qbgeom::ChainDouble;
using qbgeom::ChainInt;
using qbgeom::GlobalOptInt;

namespace {

// The codes whose places stand above the line with one gap of air: a text there shows its leader.
bool IsLeaderCode(int code) { return code == 1 || code == 4 || code == 7 || code == 10 || code == 13; }

// Within `tolerance` of the segment a-b.
bool IsOnSegment(const AcGePoint3d& p, const AcGePoint3d& a, const AcGePoint3d& b, double tolerance) {
  const AcGeVector3d ab = b - a;
  const double len2 = ab.lengthSqrd();
  if (len2 <= 0.0) return p.distanceTo(a) <= tolerance;
  double t = (p - a).dotProduct(ab) / len2;
  t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
  return p.distanceTo(a + t * ab) <= tolerance;
}

// Carries p along `along` onto the line through base in direction `onto`.
AcGePoint3d CarryOnto(const AcGePoint3d& p, const AcGeVector3d& along, const AcGePoint3d& base,
                      const AcGeVector3d& onto) {
  AcGePoint3d hit;
  if (MyIntersect(AcGeLine3d(p, along), AcGeLine3d(base, onto), hit)) return hit;
  return p;
}

}  // namespace

int QBdim::DrawDimTexts(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet) {
  TraceMsg(L"\nDrawDimTexts START ");
  const int n = GetExtensions();
  if (n < 2) return 0;
  const AcGeVector3d normal = GetNormal();
  const double H = ScaledSize(ChainDouble(*this, IND_D_TextHeight) / 10.0);
  const double r = AdaptByTextHeight(IND_D_ExpTextHeight);
  const int textColor = GetTextColor();
  const Adesk::UInt16 entityColor = colorIndex();
  const bool asCircle = ChainInt(*this, IND_I_ArcDimAsCircle) != 0;
  const bool fullCircle = IsFullCircleInput();

  double a = 0.0;
  int side = 1;
  GetDirectionAngle(0, a, side);
  AcGeVector3d t = TextDirection(a);

  AcGiTextStyle style;
  const AcGiTextStyle* drawStyle = &style;
  AcDbObjectId styleId = m_idTextStyle;
  if (LoadTextStyle(style, m_idTextStyle) != Acad::eOk) {
    drawStyle = nullptr;
    styleId = AcDbObjectId::kNull;
  }
  const int firstNew = entitySet ? entitySet->length() : 0;

  auto drawText = [&](const AcGePoint3d& at, const CString& text, double height) {
    DrawTextItem(wd, entitySet, at, normal, t, text.GetString(), height, drawStyle, styleId, textColor);
  };
  auto setTraits = [&](Adesk::LongPtr marker, int color) {
    if (!wd) return;
    wd->subEntityTraits().setSelectionMarker(marker);
    wd->subEntityTraits().setColor(static_cast<Adesk::UInt16>(color));
  };

  for (int k = 0; k <= n; ++k) {
    if (k == 0 && !(IsDimArc() && !fullCircle && asCircle)) continue;
    if (k == n && !(IsShowSum() && n != 2 && wd)) continue;
    AcGePoint3dArray points;
    CStringArray lines;
    GetPointText(k, points, lines, nullptr, -1);
    if (lines.GetSize() == 0 || lines[0].IsEmpty() || points.length() == 0) continue;
    if (IsDimArc()) {
      GetDirectionAngle(-k, a, side);
      t = TextDirection(a);
    }
    setTraits(k == 0 ? 1001 : 3 * k + 1, textColor);
    drawText(points[0], lines[0], H);
    if (lines.GetSize() > 1 && points.length() > 1) drawText(points[1], lines[1], r);
    if (lines.GetSize() > 2 && points.length() > 2) drawText(points[2], lines[2], H);

    if (k == n) {
      AcGePoint3dArray c;
      double width = 0.0, height = 0.0;
      GetTextBox(n, H / 5.0, c, width, height, nullptr, -1);
      if (c.length() >= 4) {
        for (int e = 0; e < 4; ++e) DrawLine(wd, entitySet, c[e], c[(e + 1) % 4]);
      }
      continue;
    }

    if (k >= 1 && GlobalOptInt(IND_OPT_B_LeadersShow) && HasLeader(k)) {
      AcGePoint3dArray pts;
      const int m = GetLeaderPoints(k, pts);
      if (m >= 2) DrawLine(wd, entitySet, pts[0], pts[1]);
      if (m == 3) DrawLine(wd, entitySet, pts[1], pts[2]);
    }

    const int u = IsUserTextOutOfTolerance(k);
    if (!IsDimArc() && !(u == 1 && !GlobalOptInt(IND_OPT_B_IgnoreUserTextTolerance))) continue;
    AcGePoint3d pa, pb;
    if (fullCircle) {
      if (GetPointsTextUser(-1000, pa, pb)) {
        const AcGePoint3d P0 = GetPointDim(0);
        pa = CarryOnto(pa, m_xyzAxis[1], P0, m_xyzAxis[0]);
        pb = CarryOnto(pb, m_xyzAxis[1], P0, m_xyzAxis[0]);
        setTraits(3 * k + 1, entityColor);
        DrawLine(wd, entitySet, pa, pb);
        DrawLine(wd, entitySet, P0, pb);
        setTraits(3 * k + 1, textColor);
      }
    } else if (GetPointsTextUser(k, pa, pb)) {
      if (u == 1) DrawLine(wd, entitySet, pa, pb);
      if (IsDimArc()) {
        const AcGePoint3d mid = pa + (pb - pa) / 2.0 + t.perpVector() * (pa.distanceTo(pb) / 10.0);
        DrawArc3P(wd, entitySet, pa, mid, pb);
      }
    }
  }

  // Appended texts; a record that belongs to no segment is dropped from the chain.
  for (INT_PTR k = 0; k < AppendTextList.GetSize();) {
    AppendingText* rec = AppendingTextAt(k);
    if (!rec || rec->strText.IsEmpty()) {
      ++k;
      continue;
    }
    const int iExt = rec->iExt;
    if (iExt < 1 || iExt > n - 1) {
      const int count = static_cast<int>(AppendTextList.GetSize());
      TraceMsgF(L"\n***REDUNDANT APP TEXT %d./%d Ext=%d/%d ", static_cast<int>(k), count, iExt, n);
      if (iExt == 0) acutPrintf(L" *APP TEXT %d./%d Ext=%d/%d* ", static_cast<int>(k), count, iExt, n);
      // Removed by position: a lookup by extension would take an earlier record of extension 1
      // for this one (0 and 1 name the same extension there).
      delete rec;
      AppendTextList.RemoveAt(k);
      continue;
    }
    AcGePoint3dArray points;
    CStringArray lines;
    const int raised = GetPointText(iExt, points, lines, rec, -1);
    ++k;
    if (lines.GetSize() == 0 || points.length() == 0) continue;
    setTraits(3 * iExt + 1, textColor);
    if (IsDimArc()) {
      GetDirectionAngle(-iExt, a, side);
      t = TextDirection(a);
    }
    drawText(points[0], lines[0], H);
    if (raised && lines.GetSize() > 1 && points.length() > 1) drawText(points[1], lines[1], r);
  }

  // The chain label, at one or both ends.
  {
    AcGePoint3dArray points;
    CStringArray lines;
    GetPointText(-100, points, lines, nullptr, -1);
    const CString label = GetChainLabel();
    if (points.length() > 0 && !label.IsEmpty()) {
      if (IsDimArc()) {
        GetDirectionAngle(0, a, side);
        t = TextDirection(a);
      }
      if (wd) wd->subEntityTraits().setColor(static_cast<Adesk::UInt16>(textColor));
      drawText(points[0], label, H);
      if (points.length() > 1) drawText(points[1], label, H);
    }
  }

  if (entitySet) {
    const AcDbObjectId layer = layerId();
    for (int e = firstNew; e < entitySet->length(); ++e) {
      AcDbEntity* ent = static_cast<AcDbEntity*>((*entitySet)[e]);
      if (!ent) continue;
      if (!layer.isNull()) ent->setLayer(layer);
      ent->setColorIndex(static_cast<Adesk::UInt16>(textColor));
    }
  }
  return 1;
}

int QBdim::HasLeader(int i) {
  if (i < 0 || i >= arrayExtFlags.GetSize() || i >= GetExtensions()) return 0;
  if ((arrayExtFlags[i] & EXTFLAG_LEADER) == 0) return 0;
  AcGePoint3d place;
  CenterPointText(place, i, -100);
  if (GetPointExt2(i).distanceTo(place) <= 0.0001) return IsLeaderCode(GetDimTextPos(i, 1)) ? 1 : 0;
  return 1;
}

int QBdim::GetLeaderPoints(int i, AcGePoint3dArray& pts) {
  pts.setLogicalLength(0);
  const int n = GetExtensions();
  if (i < 1 || i >= n) return 0;
  const double H = ScaledSize(ChainDouble(*this, IND_D_TextHeight) / 10.0);
  AcGePoint3dArray c;
  double width = 0.0, height = 0.0;
  GetTextBox(i, H / 5.0, c, width, height, nullptr, -1);
  if (c.length() < 4) return 0;

  AcGePoint3d M;
  AcGeVector3d lineDir, w;
  if (!IsDimArc()) {
    M = GetPointDim(i - 1) + (GetPointDim(i) - GetPointDim(i - 1)) / 2.0;
    lineDir = m_vectorDim.crossProduct(m_xyzAxis[2]);
    w = m_vectorDim;
  } else {
    M = GetSegmentMidPoint(i);
    AcGeCircArc3d* arc = GetArcDim(-1, 0.0);
    if (arc) {
      lineDir = arc->center() - M;
      delete arc;
    }
    if (lineDir.isZeroLength()) lineDir = GetLineExt(i).direction();
    w = lineDir.crossProduct(m_xyzAxis[2]);
  }
  if (lineDir.isZeroLength() || w.isZeroLength()) return 0;
  const AcGeLine3d L(M, lineDir);

  AcGePoint3d X;
  if (!MyIntersect(L, AcGeLine3d(c[0], w), X)) return 0;
  pts.append(M);
  if (IsOnSegment(X, c[0], c[1], 0.1)) {
    AcGePoint3d top;
    if (MyIntersect(L, AcGeLine3d(c[2], w), top) && top.distanceTo(M) < X.distanceTo(M)) X = top;
    pts.append(X);
    return 2;
  }
  const AcGePoint3d leftMid = c[0] + (c[3] - c[0]) / 2.0;
  const AcGePoint3d rightMid = c[1] + (c[2] - c[1]) / 2.0;
  AcGePoint3d knee;
  if (!MyIntersect(L, AcGeLine3d(leftMid, w), knee)) {
    pts.setLogicalLength(0);
    return 0;
  }
  pts.append(knee);
  pts.append(knee.distanceTo(leftMid) <= knee.distanceTo(rightMid) ? leftMid : rightMid);
  return 3;
}

int QBdim::GetPointsTextUser(int i, AcGePoint3d& a, AcGePoint3d& b) {
  const int n = GetExtensions();
  const int index = i == -1000 ? 1 : i;
  if (index < 0 || index >= n || n < 2) {
    TraceMsgF(L"\n******* GetPointsTextUser !!! %d / %d ", i, n);
    return 0;
  }
  const double H = ScaledSize(ChainDouble(*this, IND_D_TextHeight) / 10.0);
  AcGePoint3dArray c;
  double width = 0.0, height = 0.0;
  GetTextBox(index, IsDimArc() ? H / 5.0 : H / 3.0, c, width, height, nullptr, -1);
  if (c.length() < 4) return 0;
  if (i == -1000) {
    a = c[0];
    b = c[1];
  } else {
    a = c[2];
    b = c[3];
  }
  return 1;
}
