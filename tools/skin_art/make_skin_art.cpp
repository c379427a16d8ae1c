// qx_make_skin_art SKIN_FOLDER: paints the interface skin's pictures into that folder.
#include <cstdio>
#include <string>

#include "raster/picture_file.h"
#include "skin_art/skin_art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qx_make_skin_art SKIN_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (const skin_art::SkinPicture& picture : skin_art::PaintSkin()) {
    std::string error;
    if (!raster::SavePicture(picture.canvas, raster::PictureFormat::kRgba, folder + "/" + picture.path, &error)) {
      std::fprintf(stderr, "qx_make_skin_art: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
