// The tile pictures a track is drawn with: track tiles for the grid cells, each with its
// minimap picture and terrain pattern, and object tiles for the decorations and pads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/pixmap.h"

class TTile {
 public:
  // Its index in its array, which is the number a track file stores.
  int id = 0;
  // The picture's file name.
  std::string name;
  ImagePtr img;
  // Track tiles only: the minimap picture (16 pixels a cell) and the terrain pattern
  // (black off the track, grey or red road, green pit lane).
  ImagePtr imgmini;
  PixmapPtr imgpat;
  // Its place in the editor's tile palette.
  int setPosX = 0;
  int setPosY = 0;
};

using TTileArray = std::vector<std::unique_ptr<TTile>>;

class TTileSet {
 public:
  // Loads "Media/Tiles/Track/" (with their companions) and "Media/Tiles/Objects/".
  static std::shared_ptr<TTileSet> Create();
  // Appends the folder's tile pictures in listing order, numbered from 0; with withextras
  // each also gets its "Mini" picture and "Pat" pattern from the same folder.
  void LoadTiles(const std::string& folder, TTileArray& array, int withextras);

  TTileArray tracktile_array;
  TTileArray objecttile_array;
  // The editor palette's page.
  int page = 0;
};
