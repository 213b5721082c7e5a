// Angles as the program computes and compares them: its own values of pi, degrees rounded
// through their texts, and the snapping of angles that are meant to be exact.
#pragma once

// The program's pi and its multiples. Geometry, stored rotations and the snapped angles all use
// these values, not the full-precision ones, so that stored angles compare equal.
constexpr double kPi = 3.1415926535;
constexpr double kHalfPi = 1.57079632675;
constexpr double kTwoPi = 6.283185307;
constexpr double kThreeHalvesPi = 3 * kHalfPi;

// radians * 180 / kPi.
double RadToDeg(double radians);
// The degrees of `radians` written with "%.0f" (whole degrees) and "%.2f" and read back.
double RoundDegrees0(double radians);
double RoundDegrees2(double radians);

// Makes angles that differ from 0, 90, 180, 270 or 360 degrees only by rounding (to hundredths
// of a degree) exact: 0, 180 and 360 degrees become 0 (directions whose sense does not matter),
// 90 degrees becomes kHalfPi and 270 degrees kThreeHalvesPi. Other angles are left as they are.
void SnapAngle(double& angle);
