#include "race/coll_circle.h"

#include "race/geometry.h"

TCollCircle TCollCircle::Create(float distance, float angle, float size) {
  TCollCircle circle;
  circle.distance = distance;
  circle.angle = angle;
  circle.size = size;
  return circle;
}

int TCollCircle::CheckCollision(float x, float y, float ox, float oy, float scale, float heading) {
  Place(x, y, scale, heading);
  return Test(ox, oy);
}

void TCollCircle::Place(float x, float y, float scale, float heading) {
  const float d = 24 + distance * scale;
  mysize = 16 + size * scale;
  myx = static_cast<int>(x + CosDeg(heading + angle) * d);
  myy = static_cast<int>(y + SinDeg(heading + angle) * d);
}

int TCollCircle::Test(float ox, float oy) {
  const float dx = ox - static_cast<float>(myx), dy = oy - static_cast<float>(myy);
  mystate = dx * dx + dy * dy < mysize * mysize ? 1 : 0;
  return mystate;
}
