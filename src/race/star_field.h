// The layered star field behind the menus and the race.
#pragma once

#include <memory>
#include <vector>

#include "platform/image.h"

class Star {
 public:
  double x = 0, y = 0, z = 0, intensity = 0;
  // The star picture (centred), loaded when the first star is made; null when missing.
  static ImagePtr img_Star;

  static Star Create(double x, double y, double z, double intensity);
  void render(double px, double py) const;
  // Layers 5 to 8 are drawn with the picture; the dimmer ones are single points.
  bool IsPicture() const;

 private:
  static bool pictureTried;
};

class StarField {
 public:
  std::vector<Star> starList;
  // n stars in each of eight layers.
  static std::unique_ptr<StarField> Create(int n);
  void draw(double x, double y, double zoom) const;
};

extern std::unique_ptr<StarField> Stars;
