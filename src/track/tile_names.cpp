#include "track/tile_names.h"

#include "platform/dir_listing.h"

bool IsTilePictureName(const std::string& name) {
  if (name.size() < 4 || name.compare(name.size() - 4, 4, ".png") != 0) return false;
  return name.find("Pat") == std::string::npos && name.find("Mini") == std::string::npos;
}

std::vector<std::string> ListTilePictures(const std::string& folder) {
  std::vector<std::string> tiles;
  DirListingPtr listing = ReadDir(folder);
  if (!listing) return tiles;
  for (std::string name = NextFile(listing.get()); !name.empty(); name = NextFile(listing.get())) {
    if (IsTilePictureName(name)) tiles.push_back(name);
  }
  return tiles;
}

std::string PatternName(const std::string& tile) { return "Pat" + tile; }

std::string MiniName(const std::string& tile) { return "Mini" + tile; }
