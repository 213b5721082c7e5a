// Overlap test of four-corner text boxes by edge crossings.
#include "acadobjects/TextBoxes.h"

#include "host/ge/AcGeLineSeg3d.h"
#include "host/ge/AcGeTol.h"

namespace {

struct BoxEdges {
  AcGeLineSeg3d bottom, top, left, right, middle;
};

BoxEdges EdgesOf(const AcGePoint3dArray& c) {
  const AcGePoint3d leftMid = c[0] + (c[3] - c[0]) * 0.5;
  const AcGePoint3d rightMid = c[1] + (c[2] - c[1]) * 0.5;
  return {AcGeLineSeg3d(c[0], c[1]), AcGeLineSeg3d(c[2], c[3]), AcGeLineSeg3d(c[0], c[3]), AcGeLineSeg3d(c[1], c[2]),
          AcGeLineSeg3d(leftMid, rightMid)};
}

bool Cross(const AcGeLineSeg3d& p, const AcGeLineSeg3d& q) {
  AcGeTol tol;
  tol.setEqualPoint(1e-5);
  AcGePoint3d x;
  return p.intersectWith(q, x, tol);
}

}  // namespace

int BoxesOverlap(const AcGePoint3dArray& a, const AcGePoint3dArray& b) {
  if (a.length() < 4 || b.length() < 4) return 0;
  const BoxEdges ea = EdgesOf(a);
  const BoxEdges eb = EdgesOf(b);
  // The order of the tests is that of the first crossing reported; any one crossing decides.
  const AcGeLineSeg3d* pairs[][2] = {
      {&ea.bottom, &eb.left}, {&ea.bottom, &eb.right}, {&ea.top, &eb.left},    {&ea.top, &eb.right},
      {&eb.bottom, &ea.left}, {&eb.bottom, &ea.right}, {&eb.top, &ea.left},    {&eb.top, &ea.right},
      {&ea.middle, &eb.left}, {&ea.middle, &eb.right}, {&eb.middle, &ea.left}, {&eb.middle, &ea.right},
  };
  for (const auto& pair : pairs) {
    if (Cross(*pair[0], *pair[1])) return 1;
  }
  return 0;
}
