#include "pictures/catalogue.h"

#include <fstream>
#include <sstream>

namespace pictures {

bool ReadCatalogue(const std::string& file, std::vector<CatalogueEntry>* entries, std::string* error) {
  std::ifstream in(file);
  if (!in) {
    if (error) *error = "cannot open " + file;
    return false;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::istringstream fields(line);
    CatalogueEntry entry;
    std::string format;
    if (!(fields >> entry.group) || entry.group[0] == '#') continue;
    std::string extra;
    const bool complete = bool(fields >> entry.root >> entry.path >> entry.width >> entry.height >> format);
    if (!complete || (fields >> extra) || (entry.root != "embed" && entry.root != "game") || entry.width < 1 ||
        entry.height < 1 || !raster::ParsePictureFormat(format, &entry.format)) {
      if (error) *error = file + ":" + std::to_string(number) + ": expected GROUP embed|game PATH WIDTH HEIGHT FORMAT";
      return false;
    }
    entries->push_back(entry);
  }
  return true;
}

}  // namespace pictures
