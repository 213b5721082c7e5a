// AcArray and the geometry arrays: editing operations and checked access.
#include <gtest/gtest.h>

#include <stdexcept>

#include "host/ge/AcGe.h"

namespace {

TEST(GeArray, EditingKeepsOrderAndReportsIndices) {
  AcGeDoubleArray a(0, 8);
  EXPECT_TRUE(a.isEmpty());
  EXPECT_EQ(a.append(1.0), 0);
  EXPECT_EQ(a.append(3.0), 1);
  a.insertAt(1, 2.0).insertAt(3, 4.0).insertAt(0, 0.0);
  ASSERT_EQ(a.length(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(a[i], i);
  a.removeAt(2);
  EXPECT_EQ(a.logicalLength(), 4);
  EXPECT_EQ(a.at(2), 3.0);
  a.reverse();
  EXPECT_EQ(a.first(), 4.0);
  EXPECT_EQ(a.last(), 0.0);
  int found = -1;
  EXPECT_TRUE(a.find(3.0, found));
  EXPECT_EQ(found, 1);
  EXPECT_FALSE(a.find(3.0, found, 2));
  EXPECT_EQ(a.find(9.0), -1);
  EXPECT_TRUE(a.contains(0.0));
  a.setLogicalLength(6);
  EXPECT_EQ(a[5], 0.0);  // new elements are zero, not garbage
  a.setLogicalLength(2);
  EXPECT_EQ(a.length(), 2);
  EXPECT_EQ(a[1], 3.0);
}

TEST(GeArray, OutOfRangeAccessThrows) {
  AcGePoint3dArray pts;
  EXPECT_THROW(pts[0], std::out_of_range);
  EXPECT_THROW(pts.first(), std::out_of_range);
  EXPECT_THROW(pts.removeAt(0), std::out_of_range);
  pts.append(AcGePoint3d(1, 2, 3));
  EXPECT_THROW(pts.at(1), std::out_of_range);
  EXPECT_THROW(pts.at(-1), std::out_of_range);
  EXPECT_THROW(pts.insertAt(2, AcGePoint3d::kOrigin), std::out_of_range);
  EXPECT_THROW(pts.setAt(5, AcGePoint3d::kOrigin), std::out_of_range);
  EXPECT_NO_THROW(pts.insertAt(1, AcGePoint3d::kOrigin));  // at the end appends
  EXPECT_EQ(pts.length(), 2);
  const AcGePoint3dArray& view = pts;
  EXPECT_THROW(view[2], std::out_of_range);
}

TEST(GeArray, PointSearchUsesTheGlobalTolerance) {
  AcGePoint3dArray pts;
  pts.append(AcGePoint3d(0, 0, 0));
  pts.append(AcGePoint3d(1, 1, 0));
  EXPECT_EQ(pts.find(AcGePoint3d(1, 1 + 1e-11, 0)), 1);
  EXPECT_EQ(pts.find(AcGePoint3d(1, 1 + 1e-6, 0)), -1);
  EXPECT_TRUE(pts.remove(AcGePoint3d(0, 0, 0)));
  EXPECT_EQ(pts.length(), 1);
  AcGeVector3dArray vecs;
  vecs.append(AcGeVector3d::kZAxis);
  EXPECT_TRUE(vecs.contains(AcGeVector3d(0, 0, 1)));
}

}  // namespace
