// qx_make_pictures CATALOGUE GROUP EMBED_FOLDER GAME_FOLDER
// Paints the pictures of one catalogue group ("all" for every one) and writes them out.
#include <iostream>

#include "pictures/catalogue.h"
#include "pictures/generate.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: qx_make_pictures CATALOGUE GROUP EMBED_FOLDER GAME_FOLDER\n";
    return 2;
  }
  std::vector<pictures::CatalogueEntry> entries;
  std::string error;
  if (!pictures::ReadCatalogue(argv[1], &entries, &error)) {
    std::cerr << error << "\n";
    return 2;
  }
  const int failures = pictures::GenerateGroup(entries, argv[2], {argv[3], argv[4]}, std::cerr);
  return failures == 0 ? 0 : 1;
}
