// Where the texts of a chain stand: the location codes of the segments, the text points, the
// appended-text records and the re-layout of a whole chain. Every segment text stands in the
// middle of its segment for now, whatever its code; the codes are kept as they are stored.
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <memory>

#include "acadobjects/Angles.h"
#include "acadobjects/CurveHelpers.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/Exceptions.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

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

AcGePoint3d QBdim::GetSegmentMidPoint(int i) {
  const int n = GetExtensions();
  if (n < 1) return AcGePoint3d::kOrigin;
  if (i >= n) return GetPointDim(n - 1);
  if (!IsDimArc()) {
    if (i < 1) return GetPointDim(0);
    const AcGePoint3d a = GetPointDim(i - 1);
    const AcGePoint3d b = GetPointDim(i);
    return a + (b - a) * 0.5;
  }
  std::unique_ptr<AcGeCircArc3d> circle(GetArcDim(-100, 0));
  const AcGePoint3d from = GetPointDim(i < 1 ? n - 1 : i - 1);
  const AcGePoint3d to = GetPointDim(i < 1 ? 0 : i);
  if (!circle) return from + (to - from) * 0.5;
  // The part of the dimension circle from one point to the next, in the sense of the chain.
  const AcGePoint3d centre = circle->center();
  const AcGeVector3d normal = circle->normal();
  const AcGeCircArc3d turn(centre, normal, AcGeVector3d::kXAxis, from.distanceTo(centre), 0.0, kTwoPi);
  const double start = turn.paramOf(from);
  double end = turn.paramOf(to);
  if (end <= start) end += kTwoPi;
  return turn.evalPoint((start + end) / 2);
}

AcGePoint3d& QBdim::CenterPointText(AcGePoint3d& out, int i, int code) {
  (void)code;
  if (i < 1) i = 0;
  const bool circleText = IsDimArc() && qbgeom::ChainInt(*this, IND_I_ArcDimAsCircle) != 0;
  if (i == 0 && !circleText) {
    out = GetPointExt2(0);
    return out;
  }
  out = GetSegmentMidPoint(i);
  return out;
}

int QBdim::SetPointText(int i, AcGePoint3d& p, int followAppended) {
  (void)followAppended;
  const int n = GetExtensions();
  if (i < 0 || i >= n || n < 2) {
    TraceMsgF(L"\n******* SetPointText !!! %d / %d ", i, n);
    return 0;
  }
  p = ProjectToPlane(p, GetPointDim(0), GetNormal());
  SetPointSlot(i, 3, p);
  return 1;
}

int QBdim::PlaceText(int i) {
  if (i < 0) return 0;
  AcGePoint3d place;
  CenterPointText(place, i, GetDimTextPos(i, 0));
  SetPointText(i, place, 1);
  return 1;
}

bool QBdim::IsTextAtDefaultPlace(int i) {
  const int n = GetExtensions();
  if (i < 0 || i >= n) return false;
  AcGePoint3d place;
  CenterPointText(place, i, -1);
  return GetPointExt2(i).distanceTo(place) <= 0.001;
}

int QBdim::SetAppendingText(int iExt, const AppendingText* data) {
  AppendingText* rec = nullptr;
  int pos = GetAppendingText(iExt, rec);
  if (!data) {
    if (rec && pos >= 0) {
      delete rec;
      AppendTextList.RemoveAt(pos);
    }
    return static_cast<int>(AppendTextList.GetSize());
  }
  short own = data->iExt;
  if (!rec) {
    if (pos >= 0) {
      acutPrintf(L" !!!pAppTextNew BUT iPos=%d curSize=%d!!! ", pos, static_cast<int>(AppendTextList.GetSize()));
    }
    rec = new AppendingText;
    pos = static_cast<int>(AppendTextList.Add(rec));
  } else {
    own = rec->iExt;
  }
  data->CopyTo(rec);
  if (iExt == 0) {
    rec->iExt = 1;
  } else if (iExt > 0) {
    rec->iExt = static_cast<short>(iExt);
  } else {
    rec->iExt = own;
  }
  rec->strWork.Empty();
  return pos;
}

int QBdim::DimRefresh(int mode) {
  (void)mode;
  AcDbDatabase* db = database() ? database() : acdbHostApplicationServices()->workingDatabase();
  if (!db || !pGlobDimOptions) return 0;
  qbgeom::WriteScope scope(this);
  const int n = GetExtensions();
  if (n < 2) return 0;
  if (IsDimArc() && qbgeom::ChainInt(*this, IND_I_ArcDimAsCircle)) RefreshDimText(0);
  for (int seg = 1; seg < n; ++seg) {
    RefreshDimText(seg);
    PlaceText(seg);
  }
  recordGraphicsModified();
  return 1;
}

int QBdim::Regenerate(int type) {
  (void)type;
  return DimRefresh(0);
}
