// The automatic choice of a segment text's location code, so that neighbouring texts do not
// overlap, and the re-placing of all texts of a chain (AdjustTexts and its shorthands).
#include <vector>

#include "acadobjects/TextBoxes.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "proxy/QBdimTextMetrics.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

namespace {

bool IsStartCode(int c) { return c >= 1 && c <= 3; }
bool IsEndCode(int c) { return c >= 13 && c <= 15; }

// The box test of the automatic choice, with the margin of every box fixed.
class AutoChoice {
 public:
  AutoChoice(QBdim& dim, int i) : dim_(dim), i_(i), n_(dim.GetExtensions()), m_(qbtext::SizesOf(dim).m) {}

  // The box of text k at a code (-1: where it stands now). Index 0 names no text of its own (a
  // box there would be segment 1's text compared with itself), so it stays empty.
  AcGePoint3dArray Box(int k, int code, double* width = nullptr) const {
    AcGePoint3dArray corners;
    double w = 0.0, h = 0.0;
    if (k >= 1) dim_.GetTextBox(k, m_, corners, w, h, nullptr, code);
    if (width) *width = w;
    return corners;
  }
  double SegmentLength(int k) const {
    if (k < 1 || k >= n_) return 0.0;
    return dim_.GetPointDim(k - 1).distanceTo(dim_.GetPointDim(k));
  }
  bool Passes(int c, double w) const;

 private:
  bool FirstOrLast(int c) const;
  bool MiddleBetweenExtensions(int c, const AcGePoint3dArray& A) const;
  bool AmongNeighbours(int c, double w, const AcGePoint3dArray& A) const;

  QBdim& dim_;
  int i_;
  int n_;
  double m_;
};

bool AutoChoice::Passes(int c, double w) const {
  const AcGePoint3dArray A = Box(i_, c);
  if ((IsStartCode(c) && i_ == 1) || (IsEndCode(c) && i_ == n_ - 1)) {
    const int label = dim_.GetChainLabelPosition();
    if (c == 2 && (label & 1)) return false;
    if (c == 14 && (label & 2)) return false;
    if (IsStartCode(c) && i_ == 1) return true;
    return !BoxesOverlap(A, Box(i_ - 1, -1));
  }
  const bool middle = !IsStartCode(c) && !IsEndCode(c);
  if (middle && !qbgeom::GlobalOptInt(IND_OPT_B_AutoPosFlag2)) return MiddleBetweenExtensions(c, A);
  return AmongNeighbours(c, w, A);
}

bool AutoChoice::MiddleBetweenExtensions(int c, const AcGePoint3dArray& A) const {
  AcGePoint3dArray area;
  area.append(dim_.GetPointDim(i_ - 1));
  area.append(dim_.GetPointDim(i_));
  area.append(dim_.GetPointExt1(i_));
  area.append(dim_.GetPointExt1(i_ - 1));
  if (BoxesOverlap(A, area) || BoxesOverlap(A, Box(i_ - 1, -1))) return false;
  if (c != 8) return true;
  return !BoxesOverlap(A, Box(i_ + 1, 8));
}

bool AutoChoice::AmongNeighbours(int c, double w, const AcGePoint3dArray& A) const {
  if (IsStartCode(c) && SegmentLength(i_ - 1) < w) return false;
  if (IsEndCode(c)) {
    if (SegmentLength(i_ + 1) < w) return false;
    int next = dim_.GetDimTextPos(i_ + 1, 0);
    if (next < 0) next = 8;
    return !BoxesOverlap(A, Box(i_ + 1, next));
  }
  const bool middle = !IsStartCode(c);
  if (middle && i_ == 1) return false;
  if (BoxesOverlap(A, Box(i_ - 1, -1))) return false;
  if (i_ <= 2) return true;
  if (BoxesOverlap(A, Box(i_ - 2, -1))) return false;
  if (c != 8) return true;
  if (i_ >= n_ - 1) return true;
  double nextWidth = 0.0;
  const AcGePoint3dArray next = Box(i_ + 1, 8, &nextWidth);
  // A neighbour too wide for its own segment will not stay in its middle.
  if (SegmentLength(i_ + 1) <= nextWidth) return true;
  return !BoxesOverlap(A, next);
}

}  // namespace

namespace qbtext {

std::vector<int> AutoPositionCandidates(bool mirrored) {
  std::vector<int> codes;
  if (!pGlobDimOptions) return codes;
  bool eightAdded = false;
  const CUIntArray& order = pGlobDimOptions->arrayAutoPosOrder;
  for (INT_PTR k = 0; k < order.GetSize(); ++k) {
    int c = static_cast<int>(order[k]);
    if (mirrored) {
      if (c >= 13) {
        c -= 12;
      } else if (c <= 3) {
        c += 12;
      }
    } else if (!eightAdded && (c == 7 || c == 9)) {
      codes.push_back(8);
      eightAdded = true;
    }
    codes.push_back(c);
  }
  return codes;
}

}  // namespace qbtext

int QBdim::FindAutoPosition(int i) {
  const int n = GetExtensions();
  if (i == 0 || i >= n || !pGlobDimOptions) return 8;
  const AutoChoice choice(*this, i);
  double w = 0.0;
  choice.Box(i, 0, &w);
  if (choice.SegmentLength(i) > w) return 8;

  bool mirrored = false;
  if (qbgeom::GlobalOptInt(IND_OPT_B_AutoPosFlag1) && i > 1) {
    const AcGePoint3d middle = GetSegmentMidPoint(i);
    mirrored = middle.distanceTo(GetPointDim(0)) > middle.distanceTo(GetPointDim(n - 1));
  }
  for (int c : qbtext::AutoPositionCandidates(mirrored)) {
    if (choice.Passes(c, w)) return c;
  }
  return 8;
}

int QBdim::AdjustTexts(int mode) {
  if (!pGlobDimOptions) return 0;
  if (mode == 0) mode = qbgeom::GlobalOptInt(IND_OPT_B_AutoPosition) && !IsDimArc() ? 'A' : 'C';
  {
    qbgeom::WriteScope scope(this);
    if (!scope.ok()) {
      TraceMsg(L" !isWriteEnabled ");
    } else {
      const int n = GetExtensions();
      for (int k = 1; k < n; ++k) {
        if (mode == 'A') SetDimTextCode(k, -8);
        if (mode == 'C') SetDimTextCode(k, 8);
      }
      // In order, so that each automatic choice sees the texts before it at their new places.
      for (int k = 1; k < n; ++k) {
        if (mode == 'G') {
          AcGePoint3d place;
          CenterPointText(place, k, -100);
          if (GetPointExt2(k).distanceTo(place) > 0.001) continue;
        }
        PlaceText(k);
        if (IsDimArc()) PlaceText(k);
      }
      if (IsDimArc() && qbgeom::ChainInt(*this, IND_I_ArcDimAsCircle) && n >= 1) {
        AcGePoint3d place;
        SetPointSlot(0, 3, CenterPointText(place, 0, -100));
      }
      recordGraphicsModified();
    }
  }
  if (mode == 'R') return DimRefresh(1);
  return 1;
}

int QBdim::AdjustTextsAuto() { return AdjustTexts(IsDimArc() ? 'C' : 'A'); }

int QBdim::AdjustTextsCentred() { return AdjustTexts('C'); }

int QBdim::AdjustTextsKeepMoved() { return AdjustTexts('G'); }
