#include "platform/pixmap.h"

#include <algorithm>

#include "platform/open_stream.h"
#include "platform/pixmap_codecs.h"

TPixmap::TPixmap(int w, int h, int fmt)
    : width(std::max(w, 0)), height(std::max(h, 0)), format(fmt == kPixelRGB888 ? kPixelRGB888 : kPixelRGBA8888) {
  pitch = width * format;
  capacity = pitch * height;
  pixels.assign(static_cast<size_t>(capacity), 0);
}

uint32_t TPixmap::ReadPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const uint8_t* p = Row(y) + x * format;
  const uint32_t a = HasAlpha() ? p[3] : 255u;
  return (a << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}

void TPixmap::WritePixel(int x, int y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  uint8_t* p = Row(y) + x * format;
  p[0] = uint8_t(argb >> 16);
  p[1] = uint8_t(argb >> 8);
  p[2] = uint8_t(argb);
  if (HasAlpha()) p[3] = uint8_t(argb >> 24);
}

void TPixmap::ClearPixels(uint32_t argb) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) WritePixel(x, y, argb);
  }
}

TPixmap TPixmap::Convert(int toFormat) const {
  TPixmap out(width, height, toFormat);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out.WritePixel(x, y, ReadPixel(x, y));
  }
  return out;
}

TPixmap TPixmap::Window(int x0, int y0, int w, int h) const {
  TPixmap out(w, h, format);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) out.WritePixel(x, y, ReadPixel(x0 + x, y0 + y));
  }
  return out;
}

TPixmap TPixmap::Halved() const {
  TPixmap out(std::max(width / 2, 1), std::max(height / 2, 1), format);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      uint32_t sum[4] = {0, 0, 0, 0};
      int count = 0;
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          const int sx = std::min(x * 2 + dx, width - 1), sy = std::min(y * 2 + dy, height - 1);
          const uint8_t* p = Row(sy) + sx * format;
          for (int c = 0; c < format; ++c) sum[c] += p[c];
          ++count;
        }
      }
      uint8_t* q = out.Row(y) + x * format;
      for (int c = 0; c < format; ++c) q[c] = uint8_t(sum[c] / count);
    }
  }
  return out;
}

TPixmap TPixmap::Resized(int w, int h) const {
  TPixmap out(w, h, format);
  if (width == 0 || height == 0) return out;
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      out.WritePixel(x, y, ReadPixel(x * width / out.width, y * height / out.height));
    }
  }
  return out;
}

PixmapPtr DecodePixmap(const std::vector<uint8_t>& bytes) {
  if (bytes.size() >= 8 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G') {
    return DecodePng(bytes);
  }
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8) return DecodeJpeg(bytes);
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes);
  return nullptr;
}

PixmapPtr LoadPixmap(const std::string& location) {
  StreamPtr stream = ReadStream(location);
  if (!stream) return nullptr;
  const std::string all = stream->ReadAll();
  stream->Close();
  return DecodePixmap(std::vector<uint8_t>(all.begin(), all.end()));
}
