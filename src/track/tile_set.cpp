#include "track/tile_set.h"

#include "shell/asset_loaders.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "track/tile_names.h"

namespace {

constexpr int kPaletteCell = 64;

// A short window would give no palette rows; one column then holds one tile.
int TilesPerColumn() {
  const int rows = ScreenH / kPaletteCell - 1;
  return rows > 0 ? rows : 1;
}

}  // namespace

std::shared_ptr<TTileSet> TTileSet::Create() {
  Log("CreateTileSet");
  auto set = std::make_shared<TTileSet>();
  set->LoadTiles(DataRoot + "Media/Tiles/Track/", set->tracktile_array, 1);
  set->LoadTiles(DataRoot + "Media/Tiles/Objects/", set->objecttile_array, 0);
  return set;
}

void TTileSet::LoadTiles(const std::string& folder, TTileArray& array, int withextras) {
  Log("LoadTiles:" + folder);
  const int perColumn = TilesPerColumn();
  const std::vector<std::string> names = ListTilePictures(folder);
  for (size_t k = 0; k < names.size(); ++k) {
    auto tile = std::make_unique<TTile>();
    tile->id = static_cast<int>(k);
    tile->name = names[k];
    tile->setPosX = ScreenW - kPaletteCell;
    tile->setPosY = kPaletteCell + (tile->id % perColumn) * kPaletteCell;
    tile->img = LoadImageChecked(folder + tile->name);
    if (withextras) {
      tile->imgpat = LoadPixmapChecked(folder + PatternName(tile->name));
      tile->imgmini = LoadImageChecked(folder + MiniName(tile->name));
    }
    array.push_back(std::move(tile));
  }
}
