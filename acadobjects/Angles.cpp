// Degree rounding and angle snapping.
#include "acadobjects/Angles.h"

#include <cwchar>

#include "host/mfc/CString.h"

namespace {

double RoundedDegrees(double radians, const wchar_t* format) {
  CString text;
  text.Format(format, RadToDeg(radians));
  return std::wcstod(text.GetString(), nullptr);
}

bool Within(double angle, double low, double high) { return angle > low && angle < high; }

}  // namespace

double RadToDeg(double radians) { return radians * 180.0 / kPi; }

double RoundDegrees0(double radians) { return RoundedDegrees(radians, L"%.0f"); }

double RoundDegrees2(double radians) { return RoundedDegrees(radians, L"%.2f"); }

void SnapAngle(double& angle) {
  // Each snap point has a window in radians around it; inside the window the angle snaps only
  // when its degrees round to the snap point, so 89.99 degrees stays 89.99 degrees.
  const double degrees = RoundDegrees2(angle);
  if (angle < 0.1 && degrees == 0.0) {
    angle = 0.0;
  } else if (Within(angle, 1.5, 1.6) && degrees == 90.0) {
    angle = kHalfPi;
  } else if (Within(angle, 3.1, 3.2) && degrees == 180.0) {
    angle = 0.0;
  } else if (Within(angle, 4.6, 4.8) && degrees == 270.0) {
    // Radians like every other result: the number of degrees (270) would turn a downward
    // direction into an arbitrary one.
    angle = kThreeHalvesPi;
  } else if (angle > 6.2 && degrees == 360.0) {
    angle = 0.0;
  }
}
