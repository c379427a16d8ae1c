#include "race/geometry.h"

#include <cmath>


namespace {
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
}

float SinDeg(float degrees) { return static_cast<float>(std::sin(degrees * kDegToRad)); }
float CosDeg(float degrees) { return static_cast<float>(std::cos(degrees * kDegToRad)); }

float Distance(float x1, float y1, float x2, float y2) {
  const float dx = x2 - x1, dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

float AngleTo(float x1, float y1, float x2, float y2) {
  double a = std::atan2(static_cast<double>(y2 - y1), static_cast<double>(x2 - x1)) / kDegToRad;
  if (a < 0) a += 360.0;
  return static_cast<float>(a);
}

// atan2 of the cross and dot products of the two unit headings is the difference of the
// angles brought into (-180, 180]; taking it that way saves four sines and an atan2 for
// every waypoint the drivers look at.
float AngleDiff(float a, float b, int absolute) {
  double diff = std::fmod(static_cast<double>(b) - static_cast<double>(a), 360.0);
  if (diff > 180.0) diff -= 360.0;
  if (diff <= -180.0) diff += 360.0;
  return static_cast<float>(absolute ? std::fabs(diff) : diff);
}

TInterceptPoint TInterceptPoint::Intersect(float ax, float ay, float bx, float by, float cx, float cy, float dx,
                                           float dy) {
  TInterceptPoint result;
  const float d = (dy - cy) * (bx - ax) - (dx - cx) * (by - ay);
  if (d == 0) return result;
  const float ua = ((dx - cx) * (ay - cy) - (dy - cy) * (ax - cx)) / d;
  const float ub = ((bx - ax) * (ay - cy) - (by - ay) * (ax - cx)) / d;
  result.x = ax + ua * (bx - ax);
  result.y = ay + ua * (by - ay);
  result.intercept_AB = ua;
  result.intercept_CD = ub;
  result.intercept = (ua >= 0 && ua <= 1 && ub >= 0 && ub <= 1) ? 1 : 0;
  return result;
}
