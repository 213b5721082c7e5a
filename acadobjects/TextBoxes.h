// Overlap test of the four-corner text boxes that placement computes.
#pragma once

#include "host/ge/AcGePoint3dArray.h"

// 1 when the bottom or top edge or the middle line of one box crosses a side edge of the other,
// within 1e-5. Only crossings count: a box that lies wholly inside the other overlaps it only
// when the outer box's middle line runs through it. 0 when either box has fewer than four
// corners.
int BoxesOverlap(const AcGePoint3dArray& a, const AcGePoint3dArray& b);
