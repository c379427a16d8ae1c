#include "tile_canvas.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr double kPi = 3.14159265358979323846;

double SegmentDistance(Vec p, Vec a, Vec b, double* t) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double u = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
  u = std::clamp(u, 0.0, 1.0);
  *t = u;
  return std::hypot(p.x - (a.x + u * dx), p.y - (a.y + u * dy));
}

unsigned char Byte(double value) {
  return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

}  // namespace

double Path::Distance(Vec p, double* along) const {
  double best = 1e18, bestAlong = 0, walked = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    double t = 0;
    const double d = SegmentDistance(p, points[i - 1], points[i], &t);
    const double segment = std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
    if (d < best) {
      best = d;
      bestAlong = walked + t * segment;
    }
    walked += segment;
  }
  if (along) *along = bestAlong;
  return best;
}

double Path::Length() const {
  double length = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    length += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
  }
  return length;
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0.0) {}

void Canvas::Add(int x, int y, double r, double g, double b, double a) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  double* p = &pixels_[(static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4];
  p[0] += r;
  p[1] += g;
  p[2] += b;
  p[3] += a;
}

void Canvas::Max(int x, int y, double value, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  double* p = &pixels_[(static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4];
  for (int c = 0; c < 3; ++c) p[c] = std::max(p[c], value);
  p[3] = std::max(p[3], alpha);
}

void Canvas::Set(int x, int y, double r, double g, double b, double a) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  double* p = &pixels_[(static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4];
  p[0] = r;
  p[1] = g;
  p[2] = b;
  p[3] = a;
}

void Canvas::GlowLine(Vec from, Vec to, double width, double brightness) {
  const Path line = Straight(from, to);
  const int reach = static_cast<int>(width * 3 + 2);
  const int x0 = static_cast<int>(std::min(from.x, to.x)) - reach, x1 = static_cast<int>(std::max(from.x, to.x)) + reach;
  const int y0 = static_cast<int>(std::min(from.y, to.y)) - reach, y1 = static_cast<int>(std::max(from.y, to.y)) + reach;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double d = line.Distance({x + 0.5, y + 0.5});
      const double core = d < width / 2 ? 1.0 : std::exp(-(d - width / 2) / std::max(1.0, width));
      Max(x, y, brightness * core, core);
    }
  }
}

void Canvas::FillRect(double x0, double y0, double x1, double y1, double value) {
  for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y) {
    for (int x = static_cast<int>(x0); x < static_cast<int>(x1); ++x) Max(x, y, value, 1.0);
  }
}

bool Canvas::WritePng(const std::string& path, bool withAlpha) const {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const int channels = withAlpha ? 4 : 3;
  std::vector<unsigned char> row(static_cast<size_t>(width_) * static_cast<size_t>(channels));
  bool ok = png && info && !setjmp(png_jmpbuf(png));
  if (ok) {
    png_init_io(png, file);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width_), static_cast<png_uint_32>(height_), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const double* p = &pixels_[(static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4];
        for (int c = 0; c < channels; ++c) row[static_cast<size_t>(x * channels + c)] = Byte(p[c]);
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && ok;
}

Path Straight(Vec from, Vec to) { return Path{{from, to}}; }

Path Arc(Vec centre, double radius, double fromDegrees, double toDegrees) {
  Path path;
  const int steps = std::max(8, static_cast<int>(std::fabs(toDegrees - fromDegrees) / 2));
  for (int i = 0; i <= steps; ++i) {
    const double a = (fromDegrees + (toDegrees - fromDegrees) * i / steps) * kPi / 180.0;
    path.points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  return path;
}

Path LaneChange(double x0, double x1, double y0, double y1) {
  Path path;
  const int steps = 96;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double s = t * t * (3 - 2 * t);
    path.points.push_back({x0 + (x1 - x0) * t, y0 + (y1 - y0) * s});
  }
  return path;
}

Path Join(const std::vector<Path>& parts) {
  Path joined;
  for (const Path& part : parts) {
    for (const Vec& p : part.points) {
      if (!joined.points.empty() && std::hypot(joined.points.back().x - p.x, joined.points.back().y - p.y) < 1e-9) continue;
      joined.points.push_back(p);
    }
  }
  return joined;
}
