// One fading copy of a ship's picture, left behind at speed.
#pragma once

struct TBlur {
  float x = 0, y = 0;
  float a = 0;
  float r = 0;
  float s = 0;

  static TBlur CreateBlur(int x, int y, float alpha, float rotation) {
    return TBlur{static_cast<float>(x), static_cast<float>(y), alpha, rotation, 1.0f};
  }
};
