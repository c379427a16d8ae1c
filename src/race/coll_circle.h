// A look-ahead circle fixed to a ship: the computer driver asks whether another ship lies
// inside it before deciding which way to swerve.
#pragma once

class TCollCircle {
 public:
  static TCollCircle Create(float distance, float angle, float size);
  // Places the circle for a ship at (x, y) facing heading, and tests the point (ox, oy).
  // The front circles pass the ship's speed as scale, so they reach further when it is fast.
  int CheckCollision(float x, float y, float ox, float oy, float scale, float heading);
  // The same test in two halves, so that a ship tested against eleven others places its
  // circle once: Place, then Test for each point.
  void Place(float x, float y, float scale, float heading);
  int Test(float ox, float oy);
  // Debug view: white when clear, red when the last test hit.
  void Draw() const;

  float distance = 0;
  float angle = 0;
  float size = 0;
  int myx = 0, myy = 0;
  float mysize = 0;
  int mystate = 0;
};
