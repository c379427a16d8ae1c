#include "raster/jpeg_file.h"

#include <csetjmp>
#include <cstdio>
// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

#include <memory>

namespace raster {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

// libjpeg reports errors by longjmp: keep this function free of objects with destructors.
bool Compress(FILE* file, int width, int height, const uint8_t* rgb, int quality) {
  jpeg_compress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + size_t(info.next_scanline) * size_t(width) * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

bool WriteJpeg(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, int quality,
               std::string* error) {
  if (width < 1 || height < 1 || rgb.size() != size_t(width) * size_t(height) * 3) {
    if (error) *error = "bad picture for " + path;
    return false;
  }
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  if (!Compress(file.get(), width, height, rgb.data(), quality)) {
    if (error) *error = "libjpeg failed writing " + path;
    return false;
  }
  return true;
}

}  // namespace raster
