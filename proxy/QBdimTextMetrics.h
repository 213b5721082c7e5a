// The sizes and directions that the text placement of a chain shares: text heights and gaps in
// drawing units, the along and across vectors of a segment's text, and text widths measured with
// the chain's text style.
#pragma once

#include <vector>

#include "host/ge/AcGeVector3d.h"
#include "host/gi/AcGiTextStyle.h"
#include "host/mfc/CString.h"

class QBdim;

namespace qbtext {

struct TextSizes {
  double H;  // main text height
  double g;  // gap between a text and its line
  double r;  // height of raised millimetre digits
  double T;  // full height of a text (raised digits included for "m/cm")
  double m;  // margin of a text box in the automatic choice
};

TextSizes SizesOf(QBdim& dim);

// The along (u) and across (v) unit vectors of the text of segment i, in world coordinates.
void SegmentAxes(QBdim& dim, int i, AcGeVector3d& u, AcGeVector3d& v);

// The codes the automatic choice tries, in order: the preference list ("AutoPosLocationOrder"
// without its first number) with 8 inserted once before the first 7 or 9; mirrored (a segment
// nearer the chain's end) with start and end codes exchanged and no 8 inserted.
std::vector<int> AutoPositionCandidates(bool mirrored);

// Measures texts with the chain's text style; the default font when the style cannot be read.
class TextMeasure {
 public:
  explicit TextMeasure(const QBdim& dim);
  double Width(const CString& text, double height) const;

 private:
  mutable AcGiTextStyle style_;
};

}  // namespace qbtext
