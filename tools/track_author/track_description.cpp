#include "track_description.h"

#include <cmath>
#include <map>
#include <sstream>
#include <vector>

#include "track/track.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Point {
  double x = 0, y = 0;
};

using Polyline = std::vector<Point>;

struct Box {
  double x0, y0, x1, y1;
  bool Holds(Point p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

double Length(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

double TotalLength(const Polyline& line) {
  double total = 0;
  for (size_t i = 1; i < line.size(); ++i) total += Length(line[i - 1], line[i]);
  return total;
}

// The point at distance s along the line, and the direction there.
Point At(const Polyline& line, double s, Point* direction = nullptr) {
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

int Round(double value) { return static_cast<int>(std::lround(value)); }

class Builder {
 public:
  Builder(TTrack& track, std::string& error) : track_(track), error_(error) {}

  bool Line(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::string command;
    if (!(in >> command)) return true;
    if (!path_.empty()) return PathCommand(command, in);
    if (command == "colour") return Colour(in);
    if (command == "tile") return Tile(in);
    if (command == "object") return Object(in);
    if (command == "path") return (in >> path_) ? true : Fail("path needs a name");
    if (command == "racingline") return RacingLine(in);
    if (command == "checkpoints") return Checkpoints(in);
    if (command == "avoid") return Avoid(in);
    if (command == "pit") return Pit(in);
    if (command == "wall") return Wall(in);
    return Fail("unknown command " + command);
  }

  bool Finish() { return path_.empty() ? true : Fail("path " + path_ + " has no end"); }

 private:
  bool Fail(const std::string& why) {
    error_ = why;
    return false;
  }

  bool Colour(std::istringstream& in) {
    int n = 0;
    if (!(in >> n) || n < 1 || n > 8) return Fail("colour must be 1..8");
    track_.SetTrackColour(n);
    return true;
  }

  bool Tile(std::istringstream& in) {
    int x = 0, y = 0, id = 0, rotation = 0, size = 1;
    if (!(in >> x >> y >> id >> rotation)) return Fail("tile needs X Y ID ROTATION");
    in >> size;
    if (x < 0 || y < 0 || size < 1 || x + size > kTrackW || y + size > kTrackH) return Fail("tile off the grid");
    if (id < 0 || rotation % 90 != 0 || rotation < 0 || rotation >= 360) return Fail("bad tile id or rotation");
    for (int cx = x; cx < x + size; ++cx) {
      for (int cy = y; cy < y + size; ++cy) {
        TTileData& cell = track_.tile_level[1][static_cast<size_t>(cx)][static_cast<size_t>(cy)];
        if (cell.id >= 0 || cell.parentx >= 0) return Fail("tiles overlap");
        cell = (cx == x && cy == y) ? TTileData{id, rotation, -1, -1, 0} : TTileData{-1, 0, x, y, 0};
      }
    }
    return true;
  }

  bool Object(std::istringstream& in) {
    int id = 0, rotation = 0, x = 0, y = 0;
    if (!(in >> id >> rotation >> x >> y)) return Fail("object needs ID ROTATION X Y");
    if (id < 0 || rotation % 15 != 0 || rotation < 0 || rotation > 360) return Fail("bad object id or rotation");
    if (x % track_.obgrid != 0 || y % track_.obgrid != 0) return Fail("object off the 32-pixel grid");
    track_.l_objects.push_back(TTileData{id, rotation, x, y, 0});
    return true;
  }

  bool PathCommand(const std::string& command, std::istringstream& in) {
    Polyline& line = paths_[path_];
    double x = 0, y = 0;
    if (command == "end") {
      path_.clear();
      return true;
    }
    if (command == "close") {
      if (line.empty()) return Fail("close before move");
      line.push_back(line.front());
      return true;
    }
    if (command == "arc") {
      double radius = 0, from = 0, to = 0;
      if (!(in >> x >> y >> radius >> from >> to)) return Fail("arc needs CX CY R FROM TO");
      const int steps = std::max(8, static_cast<int>(std::fabs(to - from)));
      for (int i = 0; i <= steps; ++i) {
        const double a = (from + (to - from) * i / steps) * kPi / 180;
        line.push_back({x + radius * std::cos(a), y + radius * std::sin(a)});
      }
      return true;
    }
    if (!(in >> x >> y)) return Fail(command + " needs X Y");
    if (command == "move" || command == "line") {
      line.push_back({x, y});
      return true;
    }
    if (command == "ease") {
      if (line.empty()) return Fail("ease before move");
      const Point from = line.back();
      const bool alongX = std::fabs(x - from.x) >= std::fabs(y - from.y);
      for (int i = 1; i <= 64; ++i) {
        const double t = i / 64.0, s = t * t * (3 - 2 * t);
        line.push_back(alongX ? Point{from.x + (x - from.x) * t, from.y + (y - from.y) * s}
                              : Point{from.x + (x - from.x) * s, from.y + (y - from.y) * t});
      }
      return true;
    }
    return Fail("unknown path command " + command);
  }

  const Polyline* FindPath(std::istringstream& in) {
    std::string name;
    in >> name;
    const auto found = paths_.find(name);
    if (found == paths_.end() || found->second.size() < 2) {
      Fail("no path named " + name);
      return nullptr;
    }
    return &found->second;
  }

  // Points evenly spaced along the line; a closed line does not repeat its start.
  static std::vector<Point> Spaced(const Polyline& line, int count, double offset) {
    const bool closed = Length(line.front(), line.back()) < 1e-6;
    const double total = TotalLength(line);
    const double step = total / (closed ? count : count - 1);
    std::vector<Point> points;
    for (int i = 0; i < count; ++i) {
      Point direction{1, 0};
      const Point p = At(line, std::min(total, i * step), &direction);
      points.push_back({p.x - direction.y * offset, p.y + direction.x * offset});
    }
    return points;
  }

  bool RacingLine(std::istringstream& in) {
    const Polyline* line = FindPath(in);
    int count = 0;
    double offset = 0;
    if (!line || !(in >> count >> offset) || count < 2) return Fail("racingline needs PATH POINTS OFFSET");
    if (racingLines_ >= kRacingLines) return Fail("at most ten racing lines");
    TWayPointList& points = track_.l_waypoints[static_cast<size_t>(racingLines_++)];
    for (const Point& p : Spaced(*line, count, offset)) {
      points.push_back(TWayPoint::Create(static_cast<int>(points.size()) + 1, Round(p.x), Round(p.y)));
    }
    return true;
  }

  bool Avoid(std::istringstream& in) {
    Box box{};
    if (!(in >> box.x0 >> box.y0 >> box.x1 >> box.y1)) return Fail("avoid needs X0 Y0 X1 Y1");
    avoid_.push_back(box);
    return true;
  }

  bool Avoided(Point p) const {
    for (const Box& box : avoid_) {
      if (box.Holds(p)) return true;
    }
    return false;
  }

  // Evenly spread over the part of the lap outside the avoided boxes, the first at the start.
  bool Checkpoints(std::istringstream& in) {
    const Polyline* line = FindPath(in);
    int count = 0;
    double half = 0;
    if (!line || !(in >> count >> half) || count < 1) return Fail("checkpoints needs PATH COUNT HALF");
    constexpr double kStep = 8;
    std::vector<double> allowed;  // path positions outside the boxes, kStep apart
    for (double s = 0; s < TotalLength(*line); s += kStep) {
      if (!Avoided(At(*line, s))) allowed.push_back(s);
    }
    if (allowed.empty() || allowed.front() != 0) return Fail("the first checkpoint must be at the path start");
    for (int i = 0; i < count; ++i) {
      const double s = allowed[allowed.size() * static_cast<size_t>(i) / static_cast<size_t>(count)];
      Point direction{1, 0};
      const Point p = At(*line, s, &direction);
      TWayLine wayline = TWayLine::Create(i + 1, Round(p.x + direction.y * half), Round(p.y - direction.x * half));
      wayline.x2 = Round(p.x - direction.y * half);
      wayline.y2 = Round(p.y + direction.x * half);
      track_.l_waylines.push_back(wayline);
    }
    return true;
  }

  bool Pit(std::istringstream& in) {
    const Polyline* line = FindPath(in);
    int count = 0;
    if (!line || !(in >> count) || count < 2) return Fail("pit needs PATH POINTS");
    for (const Point& p : Spaced(*line, count, 0)) {
      const int id = static_cast<int>(track_.l_pitwaypoints.size()) + 1;
      track_.l_pitwaypoints.push_back(TWayPoint::Create(id, Round(p.x), Round(p.y)));
    }
    return true;
  }

  // The corners stay; the other points are shared out over the sides by their length.
  bool Wall(std::istringstream& in) {
    int count = 0;
    Polyline corners;
    in >> count;
    for (double x = 0, y = 0; in >> x >> y;) corners.push_back({x, y});
    if (corners.size() < 2 || count < static_cast<int>(corners.size())) return Fail("wall needs POINTS and corners");
    const double total = TotalLength(corners);
    const int extra = count - static_cast<int>(corners.size());
    std::vector<Point> points{corners.front()};
    double walked = 0;
    int placed = 0;
    for (size_t i = 1; i < corners.size(); ++i) {
      const double side = Length(corners[i - 1], corners[i]);
      walked += side;
      const int upTo = (i + 1 == corners.size()) ? extra : static_cast<int>(std::lround(extra * walked / total));
      const int here = upTo - placed;
      for (int k = 1; k <= here; ++k) {
        const double t = static_cast<double>(k) / (here + 1);
        points.push_back({corners[i - 1].x + (corners[i].x - corners[i - 1].x) * t,
                          corners[i - 1].y + (corners[i].y - corners[i - 1].y) * t});
      }
      placed = upTo;
      points.push_back(corners[i]);
    }
    // A wall starts with id 0; its other points carry their place in the whole wall list.
    for (size_t i = 0; i < points.size(); ++i) {
      const int id = i == 0 ? 0 : static_cast<int>(track_.l_wallpoints.size()) + 1;
      track_.l_wallpoints.push_back(TWayPoint::Create(id, Round(points[i].x), Round(points[i].y)));
    }
    return true;
  }

  TTrack& track_;
  std::string& error_;
  std::map<std::string, Polyline> paths_;
  std::string path_;
  std::vector<Box> avoid_;
  int racingLines_ = 0;
};

}  // namespace

bool BuildTrack(const std::string& text, TTrack& track, std::string& error) {
  track.EraseTrack();
  Builder builder(track, error);
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (!builder.Line(line)) {
      error = "line " + std::to_string(number) + ": " + error;
      return false;
    }
  }
  return builder.Finish();
}
