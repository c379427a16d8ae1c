#include "pictures/generate.h"

#include "pictures/painters.h"

namespace pictures {

bool PaintEntry(const CatalogueEntry& entry, raster::Canvas* canvas) {
  const PaintFunction* paint = FindPainter(entry.path);
  if (!paint) return false;
  *canvas = raster::Canvas(entry.width, entry.height);
  (*paint)(*canvas);
  return true;
}

int GenerateGroup(const std::vector<CatalogueEntry>& entries, const std::string& group, const OutputFolders& folders,
                  std::ostream& errors) {
  int failures = 0, matched = 0;
  for (const CatalogueEntry& entry : entries) {
    if (group != "all" && entry.group != group) continue;
    ++matched;
    raster::Canvas canvas(1, 1);
    if (!PaintEntry(entry, &canvas)) {
      errors << "No painter for " << entry.path << "\n";
      ++failures;
      continue;
    }
    const std::string folder = entry.root == "embed" ? folders.embed : folders.game;
    std::string error;
    if (!raster::SavePicture(canvas, entry.format, folder + "/" + entry.path, &error)) {
      errors << error << "\n";
      ++failures;
    }
  }
  if (matched == 0) {
    errors << "No pictures in group " << group << "\n";
    return 1;
  }
  return failures;
}

}  // namespace pictures
