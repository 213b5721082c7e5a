// The appended texts of a chain: setting and removing a segment's record (by extension or by
// anchor), re-anchoring a record, and placing it below its segment text.
#include "host/ed/CommandLine.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimTextMetrics.h"
#include "settings/DebugLog.h"

namespace {

// Stores data into the record at `pos` (a new one at the end when there is none) and places it;
// iExt 0 becomes 1, a negative iExt keeps the record's own extension.
AppendingText* StoreRecord(QBdim& dim, AppendingText* rec, int& pos, const AppendingText* data, int iExt) {
  short own = data->iExt;
  if (!rec) {
    if (pos >= 0) {
      acutPrintf(L" !!!pAppTextNew BUT iPos=%d curSize=%d!!! ", pos, static_cast<int>(dim.AppendTextList.GetSize()));
    }
    rec = new AppendingText;
    pos = static_cast<int>(dim.AppendTextList.Add(rec));
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
  dim.SetAppendingTextPos(rec->iExt, rec);
  return rec;
}

int RemoveRecord(QBdim& dim, AppendingText* rec, int pos) {
  if (rec && pos >= 0) {
    delete rec;
    dim.AppendTextList.RemoveAt(pos);
  }
  return static_cast<int>(dim.AppendTextList.GetSize());
}

}  // namespace

int QBdim::SetAppendingText(int iExt, const AppendingText* data) {
  AppendingText* rec = nullptr;
  int pos = GetAppendingText(iExt, rec);
  if (!data) return RemoveRecord(*this, rec, pos);
  StoreRecord(*this, rec, pos, data, iExt);
  return pos;
}

int QBdim::SetAppendingTextAt(const AcGePoint3d& anchor, const AppendingText* data, int iExt) {
  AppendingText* rec = nullptr;
  int pos = GetAppendingTextAt(anchor, rec);
  if (!data) return RemoveRecord(*this, rec, pos);
  rec = StoreRecord(*this, rec, pos, data, iExt);
  // A new record is found again by the anchor it was set at.
  rec->ptAnchor = anchor;
  return pos;
}

int QBdim::SetAppendingTextPoint(const AcGePoint3d& anchor, const AcGePoint3d& newAnchor, int iExt) {
  AppendingText* rec = nullptr;
  if (GetAppendingTextAt(anchor, rec) < 0 || !rec) {
    acutPrintf(L"\nDEBUG: !SetAppendingTextPoint ");
    return 0;
  }
  rec->ptAnchor = newAnchor;
  if (iExt > 0) rec->iExt = static_cast<short>(iExt);
  return 1;
}

int QBdim::SetAppendingTextPos(int iExt, AppendingText* rec) {
  const int n = GetExtensions();
  if (!rec || n < 2 || iExt < 0 || iExt >= n) {
    TraceMsgF(L"\n******* SetAppendingTextPos !!! %d / %d ", iExt, n);
    return 0;
  }
  const int j = iExt < 1 ? 1 : iExt;
  const qbtext::TextSizes s = qbtext::SizesOf(*this);
  AcGeVector3d u, v;
  qbtext::SegmentAxes(*this, j, u, v);
  rec->ptPosition = GetPointExt2(j) + v * (-2 * s.g - 1.4 * s.H);
  return 1;
}
