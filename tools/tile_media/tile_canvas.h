// A floating-point RGBA picture with the few drawing operations the tiles need, and PNG output.
#pragma once

#include <string>
#include <vector>

struct Vec {
  double x = 0, y = 0;
};

// A centre line (a polyline in pixels) and its distance field.
struct Path {
  std::vector<Vec> points;
  // Distance from p to the line, and how far along the line the nearest point lies.
  double Distance(Vec p, double* along = nullptr) const;
  double Length() const;
};

class Canvas {
 public:
  Canvas(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  // Adds light (values 0..1 per channel, clamped when written).
  void Add(int x, int y, double r, double g, double b, double a);
  // Takes the brighter of the two, channel by channel.
  void Max(int x, int y, double value, double alpha);
  void Set(int x, int y, double r, double g, double b, double a);
  // A bright line with a soft glow, width in pixels.
  void GlowLine(Vec from, Vec to, double width, double brightness);
  void FillRect(double x0, double y0, double x1, double y1, double value);
  // Writes 8-bit RGBA, or RGB when withAlpha is false; true on success.
  bool WritePng(const std::string& path, bool withAlpha) const;

 private:
  int width_, height_;
  std::vector<double> pixels_;  // r, g, b, a
};

// Straight, arc and smooth-step centre lines, sampled finely.
Path Straight(Vec from, Vec to);
Path Arc(Vec centre, double radius, double fromDegrees, double toDegrees);
// y runs from y0 to y1 along x0..x1 with a smooth step (a lane change).
Path LaneChange(double x0, double x1, double y0, double y1);
Path Join(const std::vector<Path>& parts);
