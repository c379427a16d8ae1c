// The ship sprites: each team's ship, pointing along +x, about 26 pixels nose to tail (ships
// touch at 27 pixels apart), with a faint glow in its colour so that it reads on the dark
// track (the race view draws them as light).
#include "pictures/painters.h"
#include "pictures/ship_art.h"

namespace pictures {

void AddShipPainters(PainterTable& table) {
  for (int team = 1; team <= kShipCount; ++team) {
    table["Media/Cars/Car_" + std::to_string(team) + ".png"] = [team](raster::Canvas& canvas) {
      const raster::Painter p = raster::Painter(canvas).Moved(float(canvas.width()) * 0.5f, float(canvas.height()) * 0.5f)
                                    .Scaled(float(canvas.width()) * 0.41f);
      DrawShip(p, team);
    };
  }
}

}  // namespace pictures
