// The list of every picture the generator makes (pictures.txt beside this file): its group,
// whether it is embedded into the program or lies beside it, its path, size and format.
// The build reads the same list to know each generator run's outputs.
#pragma once

#include <string>
#include <vector>

#include "raster/picture_file.h"

namespace pictures {

struct CatalogueEntry {
  std::string group;  // generated together in one run
  std::string root;   // "embed": built into the program; "game": in the game folder
  std::string path;   // relative to its root, e.g. "Media/Cars/Car_1.png"
  int width = 0;
  int height = 0;
  raster::PictureFormat format = raster::PictureFormat::kRgba;
};

// Reads the catalogue; blank lines and lines starting with "#" are skipped. On a malformed
// line it stops with false and names the line in error.
bool ReadCatalogue(const std::string& file, std::vector<CatalogueEntry>* entries, std::string* error);

}  // namespace pictures
