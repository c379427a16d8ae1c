// Painting and writing the catalogue's pictures.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "pictures/catalogue.h"
#include "raster/canvas.h"

namespace pictures {

struct OutputFolders {
  std::string embed;  // where "embed" pictures go (the build stages them into the program)
  std::string game;   // the game folder
};

// The painted canvas of one entry (its catalogue size); false when no painter knows it.
bool PaintEntry(const CatalogueEntry& entry, raster::Canvas* canvas);
// Writes every entry of group ("all" for every group); each failure is reported on errors.
// Returns the number of pictures that could not be made (1 for a group with no pictures).
int GenerateGroup(const std::vector<CatalogueEntry>& entries, const std::string& group, const OutputFolders& folders,
                  std::ostream& errors);

}  // namespace pictures
