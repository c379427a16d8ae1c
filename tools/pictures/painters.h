// Which function paints which picture, by its catalogue path.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "raster/canvas.h"

namespace pictures {

using PaintFunction = std::function<void(raster::Canvas&)>;
using PainterTable = std::map<std::string, PaintFunction>;

// The painter for a catalogue path, or none.
const PaintFunction* FindPainter(const std::string& path);

// Each family of pictures adds its painters.
void AddShipPainters(PainterTable& table);
void AddWeaponPainters(PainterTable& table);
void AddParticlePainters(PainterTable& table);
void AddHudPainters(PainterTable& table);
void AddInterfacePainters(PainterTable& table);
void AddAchievementPainters(PainterTable& table);
void AddNationPainters(PainterTable& table);
void AddSplashPainters(PainterTable& table);

}  // namespace pictures
