#include "pictures/painters.h"

namespace pictures {

const PaintFunction* FindPainter(const std::string& path) {
  static const PainterTable table = [] {
    PainterTable t;
    AddShipPainters(t);
    AddWeaponPainters(t);
    AddParticlePainters(t);
    AddHudPainters(t);
    AddInterfacePainters(t);
    AddAchievementPainters(t);
    AddNationPainters(t);
    AddSplashPainters(t);
    return t;
  }();
  const auto it = table.find(path);
  return it == table.end() ? nullptr : &it->second;
}

}  // namespace pictures
