// Where the texts of a chain stand: the location codes of the segments, the anchor of a text for
// its code, the start points of its lines, its box and reading direction, and the storing of text
// points (which carries the appended texts that follow them).
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <memory>

#include "acadobjects/Angles.h"
#include "acadobjects/CurveHelpers.h"
#include "acadobjects/Messages.h"
#include "host/mfc/Exceptions.h"
#include "proxy/ChainDrawPrimitives.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "proxy/QBdimTextMetrics.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

namespace qbtext {

TextSizes SizesOf(QBdim& dim) {
  TextSizes s{};
  s.H = dim.ScaledSize(qbgeom::ChainDouble(dim, IND_D_TextHeight) / 10.0);
  s.g = dim.AdaptByTextHeight(IND_D_TextOffset);
  s.r = dim.AdaptByTextHeight(IND_D_ExpTextHeight);
  s.T = dim.IsMCm() ? 0.66 * s.H + s.r : s.H;
  s.m = 0.1 * s.H;
  return s;
}

void SegmentAxes(QBdim& dim, int i, AcGeVector3d& u, AcGeVector3d& v) {
  double a = dim.m_dRotation;
  int side = 1;
  const int f = dim.GetDirectionAngle(-i, a, side);
  if (RoundDegrees0(a) > 90) {
    u = AcGeVector3d(-std::cos(a), -std::sin(a), 0.0);
    v = AcGeVector3d(std::sin(a), -std::cos(a), 0.0);
  } else {
    u = AcGeVector3d(f * std::cos(a), std::sin(a), 0.0);
    v = AcGeVector3d(-f * std::sin(a), std::cos(a), 0.0);
  }
  u = dim.ToWorld(u);
  v = dim.ToWorld(v);
}

TextMeasure::TextMeasure(const QBdim& dim) {
  // A style that cannot be read leaves the default font, so texts still get a width.
  if (!dim.m_idTextStyle.isNull()) LoadTextStyle(style_, dim.m_idTextStyle);
}

double TextMeasure::Width(const CString& text, double height) const {
  if (text.IsEmpty()) return 0.0;
  style_.setTextSize(height);
  return style_.extents(text.GetString(), false, -1, false).x;
}

}  // namespace qbtext

namespace {

bool IsBeforeBase(int code) { return (code >= 1 && code <= 3) || (code >= 10 && code <= 12); }
bool IsAfterBase(int code) { return (code >= 4 && code <= 6) || (code >= 13 && code <= 15); }

// The across distance of a code from the table of places: above with air, on the line, below.
double AcrossOf(int code, const qbtext::TextSizes& s) {
  if (code < 1 || code > 15) return s.g;
  switch ((code - 1) % 3) {
    case 0:
      return s.T + 2 * s.g;
    case 1:
      return s.g;
    default:
      return -(s.g + s.T);
  }
}

}  // namespace

int QBdim::GetDimTextPos(int i, int absolute) {
  int code = 0;
  CString record;
  CString field;
  try {
    if (IsDimArc()) return 0;
    const int n = GetExtensions();
    if (i >= 1 && i < arrayText.GetSize()) {
      record = arrayText[i];
      const int at = record.Find(L'@');
      const CString field0 = at >= 0 ? record.Left(at) : record;
      const int hash = field0.Find(L'#');
      if (hash >= 0) {
        field = field0.Mid(hash + 1);
        code = static_cast<int>(std::wcstol(field.GetString(), nullptr, 10));
      }
    } else if (i >= 1) {
      code = 5;
      if (i == n) {
        if (GetChainLabelPosition() > 1) {
          code = 6;
        } else if (GetDimTextPos(n - 1, 1) == 14) {
          code = 4;
        }
      }
    }
  } catch (CException* e) {
    e->Delete();
    TraceMsgF(L"\n!!!!GetDimTextPos strText=%s iPos=%d strTemp=%s ", record.GetString(), code, field.GetString());
  } catch (...) {
    TraceMsgF(L"\n!!!!GetDimTextPos strText=%s iPos=%d strTemp=%s ", record.GetString(), code, field.GetString());
  }
  return absolute != 0 ? std::abs(code) : code;
}

AcGeVector3d QBdim::TextDirection(double angle) const {
  AcGeVector3d t = ToWorld(AcGeVector3d(std::cos(angle), std::sin(angle), 0.0));
  return RoundDegrees0(angle) > 90 ? -t : t;
}

AcGePoint3d QBdim::GetSegmentMidPoint(int i) {
  const int n = GetExtensions();
  if (n < 1) return AcGePoint3d::kOrigin;
  const AcGePoint3d from = GetPointDim(i == 0 ? n - 1 : i - 1);
  const AcGePoint3d to = GetPointDim(i);
  if (!IsDimArc()) return GetPointDim(i - 1) + (to - GetPointDim(i - 1)) * 0.5;
  std::unique_ptr<AcGeCircArc3d> circle(GetArcDim(-100, 0));
  if (!circle) return from + (to - from) * 0.5;
  // The dimension circle turns in the sense of the measured arc, so the sweep from one point
  // to the next is the piece of the chain between them.
  const AcGePoint3d centre = circle->center();
  const AcGeVector3d normal = circle->normal();
  const AcGeCircArc3d turn(centre, normal, circle->refVec(), from.distanceTo(centre), 0.0, kTwoPi);
  const double start = turn.paramOf(from);
  double end = turn.paramOf(to);
  if (end <= start) end += kTwoPi;
  return turn.evalPoint((start + end) / 2);
}

AcGePoint3d& QBdim::CenterPointText(AcGePoint3d& out, int i, int code) {
  out = AcGePoint3d::kOrigin;
  try {
    if (i < 1) i = 0;
    const bool circleText = IsDimArc() && qbgeom::ChainInt(*this, IND_I_ArcDimAsCircle) != 0;
    if (i == 0 && !circleText) {
      out = GetPointExt2(0);
      return out;
    }
    const int n = GetExtensions();
    const qbtext::TextSizes s = qbtext::SizesOf(*this);
    AcGePoint3d base;
    if (IsFullCircleInput()) {
      AcGePoint3dArray corners;
      double w = 0.0, h = 0.0;
      GetTextBox(0, s.H, corners, w, h, nullptr, -1);
      const AcGePoint3d p0 = GetPointDim(0);
      const AcGePoint3d centre = m_arcPoints.length() > 3 ? m_arcPoints[3] : AcGePoint3d::kOrigin;
      const AcGeVector3d shift = ToWorld(AcGeVector3d(w / 2 + s.H, 0.0, 0.0));
      base = p0.x >= centre.x ? p0 + shift : p0 - shift;
    } else if (IsDimArc()) {
      base = i == n ? GetPointDim(n - 1) : GetSegmentMidPoint(i);
    } else {
      const AcGePoint3d a = GetPointDim(i == n ? n - 1 : i - 1);
      const AcGePoint3d b = GetPointDim(i == n ? n - 1 : i);
      base = a + (b - a) * 0.5;
    }
    out = base;
    AcGeVector3d u, v;
    qbtext::SegmentAxes(*this, i, u, v);
    if (code < 0) code = GetDimTextPos(i, 1);
    if (code >= 1 && code <= 6) base = GetPointDim(i - 1);
    if (code >= 10 && code <= 15) base = GetPointDim(i);
    out = base;
    const bool automatic = GetDimTextPos(i, 0) < 0;
    double along = 0.0;
    if (IsBeforeBase(code) || IsAfterBase(code)) {
      const bool fartherOut = IsAfterBase(code);
      along = automatic ? (fartherOut ? 0.2 : 0.1) * s.H : s.g;
      if (IsBeforeBase(code)) along = -along;
    }
    out = base + v * AcrossOf(code, s) + u * along;
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\n!!! CPT ANY ERROR !!!");
    ShowMessageFormat(L"Any problem on CenterPointText %d ...", i);
  } catch (...) {
    TraceMsg(L"\n!!! CPT ANY ERROR !!!");
    ShowMessageFormat(L"Any problem on CenterPointText %d ...", i);
  }
  return out;
}

int QBdim::PlaceText(int i) {
  if (i < 0) return 0;
  int code = GetDimTextPos(i, 0);
  if (code < 0) {
    code = FindAutoPosition(i);
    SetDimTextCode(i, -code);
  }
  AcGePoint3d place;
  CenterPointText(place, i, code);
  SetPointText(i, place, 1);
  return 1;
}

int QBdim::SetPointText(int i, AcGePoint3d& p, int followAppended) {
  const int n = GetExtensions();
  if (i < 0 || i >= n || n < 2) {
    TraceMsgF(L"\n******* SetPointText !!! %d / %d ", i, n);
    return 0;
  }
  p = ProjectToPlane(p, GetPointDim(0), GetNormal());
  SetPointSlot(i, 3, p);
  AppendingText* rec = nullptr;
  if (GetAppendingText(i, rec) >= 0 && rec && (followAppended != 0 || rec->iPosition != 0)) {
    SetAppendingTextPos(i, rec);
  }
  return 1;
}

bool QBdim::IsTextAtDefaultPlace(int i) {
  const int n = GetExtensions();
  if (i < 0 || i >= n) return false;
  AcGePoint3d place;
  CenterPointText(place, i, -1);
  return GetPointExt2(i).distanceTo(place) <= 0.001;
}

int QBdim::GetPointText(int i, AcGePoint3dArray& points, CStringArray& lines, AppendingText* app, int code) {
  points.setLogicalLength(0);
  lines.RemoveAll();
  const int n = GetExtensions();
  if (i != -100 && (i < 0 || i > n || n < 2)) {
    TraceMsgF(L"\n******* GetPointText !!! %d / %d ", i, n);
    return 0;
  }
  AcGePoint3d anchor;
  if (app) {
    anchor = app->ptPosition;
  } else if (i != -100) {
    if (i != n && code < 0) {
      anchor = GetPointExt2(i);
    } else {
      CenterPointText(anchor, i, i == n ? -100 : code);
    }
  }
  const int raised = GetTextLines(i, lines, app);
  if (lines.GetSize() == 0) {
    TraceMsg(L"\n******* GetPointText !aStringText->GetSize() ");
    return 0;
  }
  const qbtext::TextSizes s = qbtext::SizesOf(*this);
  const qbtext::TextMeasure measure(*this);
  const double w0 = measure.Width(lines[0], s.H);
  const double w1 = lines.GetSize() > 1 ? measure.Width(lines[1], s.r) : 0.0;
  const double w2 = lines.GetSize() > 2 ? measure.Width(lines[2], s.H) : 0.0;
  const double half = (w0 + w1 + w2) / 2;
  double a = m_dRotation;
  int side = 1;
  const int f = GetDirectionAngle(i == -100 ? 0 : -i, a, side);
  const AcGeVector3d e = ToWorld(AcGeVector3d(std::cos(a), std::sin(a), 0.0) * f);
  const AcGeVector3d y = ToWorld(AcGeVector3d(-std::sin(a), std::cos(a), 0.0) * f);

  if (i == -100) {
    const int k = GetChainLabelPosition();
    AcGeVector3d h = m_vectorDim * (s.H / 2);
    AcGeVector3d q = m_vectorDim;
    q.rotateBy(kHalfPi, GetNormal());
    q *= s.g;
    if (a > 1.57079632675) {
      h = -h;
      q = -q;
    }
    if (k == 1 || k == 3) points.append(GetPointDim(0) - e * (2 * half) - h + q);
    if (k == 2 || k == 3) points.append(GetPointDim(n - 1) + h + q);
    return raised;
  }

  if (code < 0) code = GetDimTextPos(i, 1);
  AcGePoint3d start = anchor - e * half;
  if (IsBeforeBase(code)) start = anchor - e * (2 * half);
  if (IsAfterBase(code)) start = anchor;
  points.append(start);
  if (raised && lines.GetSize() > 1) {
    const AcGePoint3d second = start + e * w0 + y * (0.66 * s.H);
    points.append(second);
    if (lines.GetSize() > 2) points.append(second + e * w1 - y * (0.66 * s.H));
  }
  return raised;
}

int QBdim::GetTextBox(int i, double margin, AcGePoint3dArray& corners, double& width, double& height,
                      AppendingText* app, int code) {
  corners.setLogicalLength(0);
  width = 0.0;
  height = 0.0;
  if (i == 0) i = 1;
  AcGePoint3dArray points;
  CStringArray lines;
  const int raised = GetPointText(i, points, lines, app, code);
  if (points.length() == 0 || lines.GetSize() == 0) return 0;
  const qbtext::TextSizes s = qbtext::SizesOf(*this);
  const qbtext::TextMeasure measure(*this);
  CString joined = lines[0] + (lines.GetSize() > 2 ? lines[2] : CString());
  joined.Trim();
  width = measure.Width(joined, s.H);
  height = s.H;
  if (raised && lines.GetSize() > 1) {
    width += measure.Width(lines[1], s.r);
    height = 0.66 * s.H + s.r;
  }
  double a = m_dRotation;
  int side = 1;
  GetDirectionAngle(-i, a, side);
  const AcGeVector3d t = TextDirection(a);
  // Turned by +90 degrees in the chain's plane, so the box stands upright also in a tilted UCS.
  const AcGeVector3d normal = GetNormal();
  const AcGeVector3d p = normal.isZeroLength() ? t.perpVector() : normal.crossProduct(t).normal();
  const AcGePoint3d c0 = points[0] - t * margin - p * margin;
  const AcGePoint3d c1 = c0 + t * (width + 2 * margin);
  corners.append(c0);
  corners.append(c1);
  corners.append(c1 + p * (height + 2 * margin));
  corners.append(c0 + p * (height + 2 * margin));
  return 1;
}
