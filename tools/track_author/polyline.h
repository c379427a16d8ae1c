// Centre lines and walls of a track description: polylines in world pixels.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

struct Point {
  double x = 0, y = 0;
};

using Polyline = std::vector<Point>;

struct Box {
  double x0, y0, x1, y1;
  bool Holds(Point p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

inline double Length(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

inline double TotalLength(const Polyline& line) {
  double total = 0;
  for (size_t i = 1; i < line.size(); ++i) total += Length(line[i - 1], line[i]);
  return total;
}

// The point at distance s along the line, and the direction there.
inline Point At(const Polyline& line, double s, Point* direction = nullptr) {
  for (size_t i = 1; i < line.size(); ++i) {
    const double segment = Length(line[i - 1], line[i]);
    if (s <= segment || i + 1 == line.size()) {
      const double t = segment > 0 ? std::min(1.0, s / segment) : 0;
      if (direction && segment > 0) {
        *direction = {(line[i].x - line[i - 1].x) / segment, (line[i].y - line[i - 1].y) / segment};
      }
      return {line[i - 1].x + (line[i].x - line[i - 1].x) * t, line[i - 1].y + (line[i].y - line[i - 1].y) * t};
    }
    s -= segment;
  }
  return line.empty() ? Point{} : line.back();
}

// The shortest distance from p to the line.
inline double DistanceTo(const Polyline& line, Point p) {
  double best = 1e18;
  for (size_t i = 1; i < line.size(); ++i) {
    const Point a = line[i - 1], b = line[i];
    const double dx = b.x - a.x, dy = b.y - a.y, span = dx * dx + dy * dy;
    const double t = span > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / span, 0.0, 1.0) : 0;
    best = std::min(best, Length(p, {a.x + dx * t, a.y + dy * t}));
  }
  return best;
}

// Appends the points of part, leaving out a first point that repeats the line's last.
inline void Append(Polyline& line, const Polyline& part) {
  for (const Point& p : part) {
    if (!line.empty() && Length(line.back(), p) < 1e-6) continue;
    line.push_back(p);
  }
}
