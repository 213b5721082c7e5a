// The overlap test of four-corner boxes: only edge crossings count.
#include <gtest/gtest.h>

#include "acadobjects/TextBoxes.h"

namespace {

AcGePoint3dArray Box(double x0, double y0, double x1, double y1) {
  AcGePoint3dArray c;
  c.append({x0, y0, 0});
  c.append({x1, y0, 0});
  c.append({x1, y1, 0});
  c.append({x0, y1, 0});
  return c;
}

TEST(BoxesOverlap, OnlyCrossingEdgesOverlap) {
  const AcGePoint3dArray a = Box(0, 0, 4, 2);
  struct {
    const char* name;
    AcGePoint3dArray b;
    int expected;
  } cases[] = {
      {"corner over corner", Box(3, 1, 6, 3), 1},
      {"crossing bar", Box(1, -1, 2, 3), 1},
      {"wider and lower through the middle", Box(-1, 0.5, 5, 1.5), 1},
      {"disjoint beside", Box(5, 0, 7, 2), 0},
      {"disjoint above", Box(0, 3, 4, 5), 0},
      {"wholly inside, below the middle", Box(1, 0.2, 2, 0.8), 0},
      {"over the top part", Box(-1, 1.5, 5, 6), 1},
      {"wholly around, far larger", Box(-10, -1, 10, 20), 0},
      // The middle line of the outer box crosses the sides of an inner box on its height.
      {"wholly inside, across the middle", Box(1, 0.5, 2, 1.5), 1},
      {"touching side by side", Box(4, 0.5, 6, 1.5), 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BoxesOverlap(a, c.b), c.expected) << c.name;
    EXPECT_EQ(BoxesOverlap(c.b, a), c.expected) << c.name << " (swapped)";
  }
}

TEST(BoxesOverlap, FewerThanFourCornersNeverOverlap) {
  AcGePoint3dArray three = Box(0, 0, 4, 2);
  three.setLogicalLength(3);
  EXPECT_EQ(BoxesOverlap(three, Box(1, -1, 2, 3)), 0);
  EXPECT_EQ(BoxesOverlap(Box(1, -1, 2, 3), AcGePoint3dArray()), 0);
}

}  // namespace
