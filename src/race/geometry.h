// The small geometry the race shares: distances, headings and segment crossings, in
// degrees with 0 along +x and 90 along +y (screen y grows downwards).
#pragma once

float Distance(float x1, float y1, float x2, float y2);
// The heading from point 1 to point 2, in [0, 360).
float AngleTo(float x1, float y1, float x2, float y2);
// The signed turn (-180..180) from heading a to heading b, positive clockwise on screen;
// its size when absolute is non-zero.
float AngleDiff(float a, float b, int absolute = 0);

float SinDeg(float degrees);
float CosDeg(float degrees);

// False when the two segments' bounding boxes do not meet, so they cannot cross: the cheap
// test that lets a ship skip most of a track's walls and lines each update.
inline bool SegmentBoxesMeet(float ax, float ay, float bx, float by, float cx, float cy, float dx, float dy) {
  const auto lo = [](float p, float q) { return p < q ? p : q; };
  const auto hi = [](float p, float q) { return p < q ? q : p; };
  return lo(ax, bx) <= hi(cx, dx) && lo(cx, dx) <= hi(ax, bx) && lo(ay, by) <= hi(cy, dy) && lo(cy, dy) <= hi(ay, by);
}

// Where segment A-B crosses segment C-D.
struct TInterceptPoint {
  float x = 0, y = 0;
  float intercept_AB = 0, intercept_CD = 0;
  int intercept = 0;

  // End points count as crossing; parallel segments never cross.
  static TInterceptPoint Intersect(float ax, float ay, float bx, float by, float cx, float cy, float dx, float dy);
};
