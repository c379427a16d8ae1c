#include "raster/picture_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "raster/jpeg_file.h"
#include "raster/png_file.h"

namespace raster {
namespace {

uint8_t Byte(float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

void AppendOverBlack(const Pixel& p, std::vector<uint8_t>& out) {
  out.push_back(Byte(p.r));
  out.push_back(Byte(p.g));
  out.push_back(Byte(p.b));
}

void AppendMasked(const Pixel& p, std::vector<uint8_t>& out) {
  if (p.a < 0.5f) {
    out.insert(out.end(), {kMaskRed, kMaskGreen, kMaskBlue});
    return;
  }
  // A covered pixel keeps its full colour (edges lose their fade, not their brightness);
  // one that would land on the mask colour itself is nudged off it.
  const float a = std::max(p.a, 1e-6f);
  uint8_t r = Byte(p.r / a), g = Byte(p.g / a), b = Byte(p.b / a);
  if (r == kMaskRed && g == kMaskGreen && b == kMaskBlue) g = 1;
  out.insert(out.end(), {r, g, b});
}

void AppendWithAlpha(const Pixel& p, std::vector<uint8_t>& out) {
  const uint8_t alpha = Byte(p.a);
  if (alpha == 0) {
    out.insert(out.end(), {0, 0, 0, 0});
    return;
  }
  out.insert(out.end(), {Byte(p.r / p.a), Byte(p.g / p.a), Byte(p.b / p.a), alpha});
}

}  // namespace

bool ParsePictureFormat(const std::string& name, PictureFormat* format) {
  if (name == "rgba") *format = PictureFormat::kRgba;
  else if (name == "masked") *format = PictureFormat::kMasked;
  else if (name == "opaque") *format = PictureFormat::kOpaque;
  else if (name == "jpeg") *format = PictureFormat::kJpeg;
  else return false;
  return true;
}

std::vector<uint8_t> ToBytes(const Canvas& canvas, PictureFormat format) {
  std::vector<uint8_t> out;
  out.reserve(size_t(canvas.width()) * size_t(canvas.height()) * 4);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Pixel& p = canvas.at(x, y);
      if (format == PictureFormat::kRgba) AppendWithAlpha(p, out);
      else if (format == PictureFormat::kMasked) AppendMasked(p, out);
      else AppendOverBlack(p, out);
    }
  }
  return out;
}

bool SavePicture(const Canvas& canvas, PictureFormat format, const std::string& path, std::string* error) {
  std::error_code ignored;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  if (format == PictureFormat::kJpeg) {
    return WriteJpeg(path, canvas.width(), canvas.height(), ToBytes(canvas, format), 92, error);
  }
  PngPicture picture;
  picture.width = canvas.width();
  picture.height = canvas.height();
  picture.channels = format == PictureFormat::kRgba ? 4 : 3;
  picture.pixels = ToBytes(canvas, format);
  return WritePng(path, picture, error);
}

}  // namespace raster
