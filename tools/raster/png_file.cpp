#include "raster/png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace raster {
namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// libpng reports errors by longjmp: keep this function free of objects with destructors.
bool WriteRows(FILE* file, const PngPicture& picture, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
               picture.channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePng(const std::string& path, const PngPicture& picture, std::string* error) {
  if ((picture.channels != 3 && picture.channels != 4) || picture.width < 1 || picture.height < 1 ||
      picture.pixels.size() != size_t(picture.width) * size_t(picture.height) * size_t(picture.channels)) {
    if (error) *error = "bad picture for " + path;
    return false;
  }
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  std::vector<png_bytep> rows(size_t(picture.height));
  const size_t stride = size_t(picture.width) * size_t(picture.channels);
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(picture.pixels.data() + y * stride);
  if (!WriteRows(file.get(), picture, rows.data())) {
    if (error) *error = "libpng failed writing " + path;
    return false;
  }
  if (std::fflush(file.get()) != 0) {
    if (error) *error = "cannot finish " + path;
    return false;
  }
  return true;
}

bool ReadPng(const std::string& path, PngPicture* picture, std::string* error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    if (error) *error = "cannot read " + path + ": " + image.message;
    return false;
  }
  const bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  picture->width = int(image.width);
  picture->height = int(image.height);
  picture->channels = alpha ? 4 : 3;
  picture->pixels.assign(PNG_IMAGE_SIZE(image), 0);
  if (!png_image_finish_read(&image, nullptr, picture->pixels.data(), 0, nullptr)) {
    if (error) *error = "cannot decode " + path + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace raster
