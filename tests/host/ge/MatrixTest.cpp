// Matrices: compositions, mirrorings, coordinate-system alignment and inversion.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "host/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

TEST(GeMatrix, ProductAppliesTheRightFactorFirst) {
  const AcGeMatrix3d rotate = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
  const AcGeMatrix3d move = AcGeMatrix3d::translation(AcGeVector3d(10, 0, 0));
  const AcGePoint3d p(1, 0, 0);
  EXPECT_TRUE((move * rotate * p).isEqualTo(AcGePoint3d(10, 1, 0)));   // rotate, then move
  EXPECT_TRUE((rotate * move * p).isEqualTo(AcGePoint3d(0, 11, 0)));   // move, then rotate
  // Vectors take the linear part only.
  EXPECT_TRUE((move * rotate * AcGeVector3d::kXAxis).isEqualTo(AcGeVector3d::kYAxis));
  // Rotation about a center keeps the center and is counter-clockwise about the axis.
  const AcGeMatrix3d about = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis, AcGePoint3d(5, 5, 0));
  EXPECT_TRUE((about * AcGePoint3d(5, 5, 0)).isEqualTo(AcGePoint3d(5, 5, 0)));
  EXPECT_TRUE((about * AcGePoint3d(6, 5, 0)).isEqualTo(AcGePoint3d(5, 6, 0)));
  EXPECT_TRUE(AcGeMatrix3d::rotation(1.0, AcGeVector3d::kIdentity).isIdentity());
  AcGeMatrix3d m;
  m.setToScaling(2, AcGePoint3d(1, 1, 1));
  EXPECT_TRUE((m * AcGePoint3d(2, 1, 1)).isEqualTo(AcGePoint3d(3, 1, 1)));
  EXPECT_TRUE(m.translation().isEqualTo(AcGeVector3d(-1, -1, -1)));
}

TEST(GeMatrix, MirroringInPlaneLineAndPoint) {
  struct Case {
    AcGeMatrix3d m;
    AcGePoint3d in, want;
    double det;
  } cases[] = {
      {AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(2, 0, 0), AcGeVector3d::kXAxis)), {5, 1, 1}, {-1, 1, 1}, -1},
      {AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d(1, -1, 0))), {1, 0, 3}, {0, 1, 3}, -1},
      {AcGeMatrix3d::mirroring(AcGeLine3d(AcGePoint3d(0, 1, 0), AcGeVector3d::kXAxis)), {3, 2, 1}, {3, 0, -1}, 1},
      {AcGeMatrix3d::mirroring(AcGePoint3d(1, 1, 1)), {2, 3, 4}, {0, -1, -2}, -1},
  };
  for (const auto& c : cases) {
    const AcGePoint3d got = c.m * c.in;
    EXPECT_TRUE(got.isEqualTo(c.want)) << got.x << "," << got.y << "," << got.z;
    EXPECT_NEAR(c.m.det(), c.det, 1e-12);
    EXPECT_TRUE((c.m * c.m).isIdentity()) << "a mirroring undoes itself";
    EXPECT_TRUE(c.m.isUniScaledOrtho());
  }
}

TEST(GeMatrix, AlignCoordSysMapsOneFrameOntoTheOtherAndBack) {
  const AcGePoint3d fromO(1, 2, 3), toO(-4, 0, 7);
  const AcGeVector3d fx(0, 1, 0), fy(-1, 0, 0), fz(0, 0, 1);
  const AcGeVector3d tx = AcGeVector3d(1, 1, 0).normal(), ty = AcGeVector3d(-1, 1, 0).normal(), tz(0, 0, 1);
  const AcGeMatrix3d there = AcGeMatrix3d::alignCoordSys(fromO, fx, fy, fz, toO, tx, ty, tz);
  const AcGeMatrix3d back = AcGeMatrix3d::alignCoordSys(toO, tx, ty, tz, fromO, fx, fy, fz);
  EXPECT_TRUE((there * fromO).isEqualTo(toO));
  EXPECT_TRUE((there * (fromO + fx * 2)).isEqualTo(toO + tx * 2));
  EXPECT_TRUE((there * fy).isEqualTo(ty));
  EXPECT_TRUE((back * there).isIdentity());
  // A degenerate source frame gives the identity instead of garbage.
  EXPECT_TRUE(AcGeMatrix3d::alignCoordSys(fromO, fx, fx, fz, toO, tx, ty, tz).isIdentity());
}

TEST(GeMatrix, CoordSystemAndPlaneFrames) {
  AcGeMatrix3d ucs;
  ucs.setCoordSystem(AcGePoint3d(10, 20, 0), AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  AcGePoint3d o;
  AcGeVector3d x, y, z;
  ucs.getCoordSystem(o, x, y, z);
  EXPECT_TRUE(o.isEqualTo(AcGePoint3d(10, 20, 0)) && x.isEqualTo(AcGeVector3d::kYAxis) &&
              y.isEqualTo(-AcGeVector3d::kXAxis) && z.isEqualTo(AcGeVector3d::kZAxis));
  // Local (1,0,0) is world (10,21,0); the inverse brings world points into the local system.
  EXPECT_TRUE((ucs * AcGePoint3d(1, 0, 0)).isEqualTo(AcGePoint3d(10, 21, 0)));
  EXPECT_TRUE((ucs.inverse() * AcGePoint3d(10, 21, 0)).isEqualTo(AcGePoint3d(1, 0, 0)));

  // Plane frames: the normal becomes z, and a bare +Z normal keeps the world axes.
  const AcGeVector3d n(1, 2, 2);
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(n);
  EXPECT_TRUE((toPlane * n.normal()).isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_TRUE((AcGeMatrix3d::planeToWorld(n) * toPlane).isIdentity());
  EXPECT_TRUE(AcGeMatrix3d::planeToWorld(AcGeVector3d::kZAxis).isIdentity());
  const AcGePlane plane(AcGePoint3d(0, 0, 4), AcGeVector3d::kZAxis);
  EXPECT_TRUE((AcGeMatrix3d::worldToPlane(plane) * AcGePoint3d(1, 2, 4)).isEqualTo(AcGePoint3d(1, 2, 0)));
}

TEST(GeMatrix, InverseTimesMatrixIsIdentityAndSingularIsRefused) {
  AcGeMatrix3d m = AcGeMatrix3d::translation(AcGeVector3d(100, -3, 2)) *
                   AcGeMatrix3d::rotation(0.7, AcGeVector3d(1, 2, 3)) * AcGeMatrix3d::scaling(1e-2);
  EXPECT_FALSE(m.isSingular());
  AcGeTol tol;
  tol.setEqualVector(1e-10);
  EXPECT_TRUE((m.inverse() * m).isIdentity(tol));
  EXPECT_TRUE((m * m.inverse()).isIdentity(tol));
  EXPECT_NEAR(m.det(), 1e-6, 1e-15);
  AcGeMatrix3d inv;
  EXPECT_TRUE(m.inverse(inv, 1e-12));

  AcGeMatrix3d flat;
  flat.entry[2][2] = 0.0;  // squashes z
  EXPECT_TRUE(flat.isSingular());
  EXPECT_EQ(flat.det(), 0.0);
  EXPECT_FALSE(flat.inverse(inv, 1e-12));
  EXPECT_TRUE(inv.isIdentity());
  AcGeMatrix3d kept = flat;
  kept.invert();
  EXPECT_TRUE(kept == flat);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_TRUE(std::isfinite(flat.inverse().entry[r][c]));
  EXPECT_THROW(flat(4, 0), std::out_of_range);
}

TEST(GeMatrix, OrthoAndScaleProperties) {
  const AcGeMatrix3d r = AcGeMatrix3d::rotation(0.3, AcGeVector3d(1, 1, 0));
  EXPECT_TRUE(r.isUniScaledOrtho());
  EXPECT_NEAR(r.scale(), 1.0, 1e-12);
  EXPECT_TRUE((r.transpose() * r).isIdentity());
  const AcGeMatrix3d s = AcGeMatrix3d::scaling(2.5) * r;
  EXPECT_TRUE(s.isUniScaledOrtho());
  EXPECT_NEAR(s.scale(), 2.5, 1e-12);
  AcGeMatrix3d stretched;
  AcGeScale3d(1, 2, 1).getMatrix(stretched);
  EXPECT_TRUE(stretched.isScaledOrtho());
  EXPECT_FALSE(stretched.isUniScaledOrtho());
  AcGeScale3d extracted;
  extracted.extractScale(stretched * r);
  EXPECT_FALSE(extracted.isProportional());
}

}  // namespace
