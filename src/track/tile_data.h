// One grid cell or one decoration object of a track.
#pragma once

struct TTileData {
  // Tile number in the tile set; -1 for an empty cell or a cell covered by a bigger tile.
  int id = -1;
  // Degrees: 0, 90, 180 or 270 on the grid, any multiple of 15 for objects.
  int rotation = 0;
  // Grid cell: the parent tile's cell for a covered cell, else -1. Object: its world position.
  int parentx = -1;
  int parenty = -1;
  // Game time until which a used pad stays faded; never stored in the file.
  int life = 0;

  bool IsParent() const { return id >= 0; }
};
