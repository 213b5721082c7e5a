// Degrees and angle snapping.
#include <gtest/gtest.h>

#include <cmath>

#include "acadobjects/Angles.h"

namespace {

const double kFullPi = 3.14159265358979323846;

TEST(AnglesTest, DegreesUseTheProgramsPi) {
  EXPECT_DOUBLE_EQ(RadToDeg(kPi), 180.0);
  EXPECT_DOUBLE_EQ(RadToDeg(kHalfPi), 90.0);
  EXPECT_GT(RadToDeg(kFullPi), 180.0);  // the program's pi is a little short of the real one
  EXPECT_DOUBLE_EQ(RoundDegrees0(0.5), 29.0);
  EXPECT_DOUBLE_EQ(RoundDegrees2(0.5), 28.65);
  EXPECT_DOUBLE_EQ(RoundDegrees2(-0.5), -28.65);
  EXPECT_DOUBLE_EQ(RoundDegrees0(kFullPi), 180.0);
  EXPECT_NEAR(kThreeHalvesPi, 4.71238898025, 1e-12);
}

TEST(AnglesTest, SnapAngleMakesNearlyExactAnglesExact) {
  struct Case {
    double angle;
    double snapped;
  } cases[] = {
      // 0 degrees
      {0.0, 0.0},
      {0.00001, 0.0},
      {-0.00001, 0.0},
      {0.00008, 0.0},                        // 0.0046 degrees
      {0.0001, 0.0001},                      // 0.0057 degrees -> "0.01"
      {-0.0002, -0.0002},
      // 90 degrees
      {kFullPi / 2, kHalfPi},
      {kHalfPi + 0.00008, kHalfPi},          // 90.0046 degrees
      {kHalfPi - 0.00008, kHalfPi},
      {kHalfPi + 0.0001, kHalfPi + 0.0001},  // 90.0057 degrees -> "90.01"
      {1.5709, 1.5709},
      {-kHalfPi, -kHalfPi},                  // -90 degrees is not a snap point
      {kHalfPi + kTwoPi, kHalfPi + kTwoPi},  // nor is 450 degrees
      // 180 degrees
      {kFullPi, 0.0},
      {kPi - 0.00008, 0.0},
      {3.1417, 3.1417},                      // 180.0062 degrees
      {3.1414, 3.1414},
      // 270 degrees: radians, not the number 270
      {3 * kFullPi / 2, kThreeHalvesPi},
      {kThreeHalvesPi + 0.00008, kThreeHalvesPi},
      {kThreeHalvesPi - 0.00008, kThreeHalvesPi},
      {4.7125, 4.7125},                      // 270.0064 degrees
      {4.7122, 4.7122},
      // 360 degrees
      {2 * kFullPi, 0.0},
      {kTwoPi + 0.00008, 0.0},
      {kTwoPi - 0.00008, 0.0},
      {kTwoPi + 0.001, kTwoPi + 0.001},
      {6.2831, 0.0},                         // 359.9951 degrees -> "360.00"
      {6.2830, 6.2830},                      // 359.9894 degrees
      // Elsewhere nothing changes.
      {1.0, 1.0},
      {4.0, 4.0},
  };
  for (const Case& c : cases) {
    double angle = c.angle;
    SnapAngle(angle);
    EXPECT_DOUBLE_EQ(angle, c.snapped) << "angle " << c.angle << " (" << RadToDeg(c.angle) << " degrees)";
  }
}

TEST(AnglesTest, SnappedAnglesStaySnapped) {
  for (double exact : {0.0, kHalfPi, kThreeHalvesPi}) {
    double angle = exact;
    SnapAngle(angle);
    EXPECT_EQ(angle, exact);
  }
}

}  // namespace
