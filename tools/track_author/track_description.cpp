#include "track_description.h"

#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "course.h"
#include "polyline.h"
#include "track/track.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

int Round(double value) { return static_cast<int>(std::lround(value)); }

class Builder {
 public:
  Builder(TTrack& track, std::string& error) : track_(track), error_(error) {}

  bool Line(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::string command;
    if (!(in >> command)) return true;
    if (!path_.empty()) return PathCommand(command, in);
    if (course_) return CourseCommand(command, in);
    if (command == "colour") return Colour(in);
    if (command == "tile") return Tile(in);
    if (command == "object") return Object(in);
    if (command == "path") return (in >> path_) ? true : Fail("path needs a name");
    if (command == "racingline") return RacingLine(in);
    if (command == "checkpoints") return Checkpoints(in);
    if (command == "avoid") return Avoid(in);
    if (command == "pit") return Pit(in);
    if (command == "wall") return Wall(in);
    if (command == "course") return StartCourse(in);
    if (command == "wallpoints") return WallPoints(in);
    if (command == "fillobjects") return FillObjects(in);
    return Fail("unknown command " + command);
  }

  bool Finish() {
    if (course_) return Fail("course " + courseName_ + " has no end");
    return path_.empty() ? true : Fail("path " + path_ + " has no end");
  }

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

  bool StartCourse(std::istringstream& in) {
    int x = 0, y = 0, heading = 0;
    if (!(in >> courseName_ >> x >> y >> heading) || heading % 90 != 0 || heading < 0 || heading >= 360) {
      return Fail("course needs NAME X Y HEADING (0, 90, 180 or 270)");
    }
    course_ = std::make_unique<Course>(track_, x, y, heading);
    return true;
  }

  // The lap becomes path NAME, its pit lane path NAME_pit; its walls wait for "wallpoints".
  bool CourseCommand(const std::string& command, std::istringstream& in) {
    if (command != "end") return course_->Command(command, in, error_);
    if (!course_->Close(error_)) return false;
    paths_[courseName_] = course_->lap();
    if (!course_->pitLane().empty()) paths_[courseName_ + "_pit"] = course_->pitLane();
    for (const Box& box : course_->noCheckpoints()) avoid_.push_back(box);
    for (const Polyline& wall : course_->walls()) courseWalls_.push_back(wall);
    roads_.push_back(course_->lap());
    roads_.push_back(course_->pitLane());
    course_.reset();
    return true;
  }

  // The fewest corners of a wall that keep every chord within kWallSag of it (the line
  // split where it strays furthest, again and again).
  static Polyline Corners(const Polyline& wall) {
    constexpr double kWallSag = 20;
    std::vector<size_t> kept{0, wall.size() - 1};
    for (size_t k = 0; k + 1 < kept.size();) {
      const Polyline chord{wall[kept[k]], wall[kept[k + 1]]};
      size_t furthest = kept[k];
      double worst = kWallSag;
      for (size_t i = kept[k] + 1; i < kept[k + 1]; ++i) {
        const double d = DistanceTo(chord, wall[i]);
        if (d > worst) worst = d, furthest = i;
      }
      if (furthest == kept[k]) {
        ++k;
      } else {
        kept.insert(kept.begin() + static_cast<long>(k) + 1, furthest);
      }
    }
    Polyline corners;
    for (size_t i : kept) corners.push_back(wall[i]);
    return corners;
  }

  // More points on a wall: the longest side is halved until there are n.
  static Polyline Split(Polyline wall, size_t n) {
    while (wall.size() < n) {
      size_t longest = 1;
      for (size_t i = 1; i < wall.size(); ++i) {
        if (Length(wall[i - 1], wall[i]) > Length(wall[longest - 1], wall[longest])) longest = i;
      }
      const Point a = wall[longest - 1], b = wall[longest];
      wall.insert(wall.begin() + static_cast<long>(longest), Point{(a.x + b.x) / 2, (a.y + b.y) / 2});
    }
    return wall;
  }

  // The course walls share out what the wall list still needs to hold TOTAL points: each
  // gets what keeps it off the road, the rest goes by length.
  bool WallPoints(std::istringstream& in) {
    int total = 0;
    if (!(in >> total)) return Fail("wallpoints needs the total");
    std::vector<Polyline> walls;
    int given = static_cast<int>(track_.l_wallpoints.size());
    double length = 0;
    for (const Polyline& wall : courseWalls_) {
      walls.push_back(Corners(wall));
      given += static_cast<int>(walls.back().size());
      length += TotalLength(wall);
    }
    if (given > total) return Fail("the walls need " + std::to_string(given) + " points at least");
    const int spare = total - given;
    double walked = 0;
    int shared = 0;
    for (size_t i = 0; i < walls.size(); ++i) {
      walked += TotalLength(courseWalls_[i]);
      const int upTo = i + 1 == walls.size() ? spare : static_cast<int>(std::lround(spare * walked / length));
      AddWall(Split(walls[i], walls[i].size() + static_cast<size_t>(upTo - shared)));
      shared = upTo;
    }
    courseWalls_.clear();
    return static_cast<int>(track_.l_wallpoints.size()) == total ? true : Fail("walls cannot hold that many points");
  }

  // A wall starts with id 0; its other points carry their place in the whole wall list.
  void AddWall(const Polyline& points) {
    for (size_t i = 0; i < points.size(); ++i) {
      const int id = i == 0 ? 0 : static_cast<int>(track_.l_wallpoints.size()) + 1;
      track_.l_wallpoints.push_back(TWayPoint::Create(id, Round(points[i].x), Round(points[i].y)));
    }
  }

  // Beacons off the road, spread over the ground the track covers, until TOTAL objects.
  bool FillObjects(std::istringstream& in) {
    int total = 0;
    if (!(in >> total) || total < static_cast<int>(track_.l_objects.size())) return Fail("fillobjects needs a total");
    int x0 = kTrackW, y0 = kTrackH, x1 = -1, y1 = -1;
    for (int x = 0; x < kTrackW; ++x) {
      for (int y = 0; y < kTrackH; ++y) {
        const TTileData& cell = track_.tile_level[1][static_cast<size_t>(x)][static_cast<size_t>(y)];
        if (cell.id < 0 && cell.parentx < 0) continue;
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
    }
    std::vector<Point> ground;
    for (int y = y0 * 2; y <= y1 * 2 + 1; ++y) {
      for (int x = x0 * 2; x <= x1 * 2 + 1; ++x) {
        const Point p{x * 128.0 + 64, y * 128.0 + 64};
        bool clear = true;
        for (const Polyline& road : roads_) clear = clear && (road.empty() || DistanceTo(road, p) > 200);
        if (clear) ground.push_back(p);
      }
    }
    const size_t wanted = static_cast<size_t>(total) - track_.l_objects.size();
    if (ground.size() < wanted) return Fail("only " + std::to_string(ground.size()) + " places for beacons");
    for (size_t i = 0; i < wanted; ++i) {
      const Point p = ground[i * ground.size() / wanted];
      track_.l_objects.push_back(TTileData{2, static_cast<int>(i % 4) * 15, Round(p.x), Round(p.y), 0});
    }
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

  // Points closer together where the line bends, so that a driver making for the next one
  // never aims across the inside of a tight bend: up to four times as close in a bend of
  // one cell's radius as on a straight. The line must be closed.
  static std::vector<Point> SpacedByCurves(const Polyline& line, int count, double offset) {
    constexpr double kStep = 4, kReach = 64, kTight = 128;
    const double total = TotalLength(line);
    std::vector<Point> samples, directions;
    for (double s = 0; s < total; s += kStep) {
      Point d{1, 0};
      const Point p = At(line, s, &d);
      samples.push_back({p.x - d.y * offset, p.y + d.x * offset});
      directions.push_back(d);
    }
    const size_t n = samples.size();
    std::vector<double> turn(n);
    for (size_t i = 0; i < n; ++i) {
      const Point a = directions[i], b = directions[(i + 1) % n];
      turn[i] = std::fabs(std::atan2(a.x * b.y - a.y * b.x, a.x * b.x + a.y * b.y)) / kStep;
    }
    // The density rises a little before a bend and falls a little after it.
    const size_t reach = static_cast<size_t>(kReach / kStep);
    std::vector<double> cumulative{0};
    for (size_t i = 0; i < n; ++i) {
      double bend = 0;
      for (size_t k = 0; k <= 2 * reach; ++k) bend = std::max(bend, turn[(i + n + k - reach) % n]);
      cumulative.push_back(cumulative.back() + 1 + 3 * std::min(1.0, bend * kTight));
    }
    std::vector<Point> points;
    size_t at = 0;
    for (int k = 0; k < count; ++k) {
      const double wanted = cumulative.back() * k / count;
      while (at + 1 < n && cumulative[at + 1] <= wanted) ++at;
      points.push_back(samples[at]);
    }
    return points;
  }

  bool RacingLine(std::istringstream& in) {
    const Polyline* line = FindPath(in);
    int count = 0;
    double offset = 0;
    if (!line || !(in >> count >> offset) || count < 2) return Fail("racingline needs PATH POINTS OFFSET");
    if (racingLines_ >= kRacingLines) return Fail("at most ten racing lines");
    std::string spacing;
    in >> spacing;
    if (!spacing.empty() && spacing != "curves") return Fail("racingline spacing is 'curves' or nothing");
    TWayPointList& points = track_.l_waypoints[static_cast<size_t>(racingLines_++)];
    const std::vector<Point> spaced = spacing.empty() ? Spaced(*line, count, offset) : SpacedByCurves(*line, count, offset);
    for (const Point& p : spaced) {
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
    AddWall(points);
    return true;
  }

  TTrack& track_;
  std::string& error_;
  std::map<std::string, Polyline> paths_;
  std::string path_;
  std::vector<Box> avoid_;
  int racingLines_ = 0;
  std::unique_ptr<Course> course_;
  std::string courseName_;
  std::vector<Polyline> courseWalls_;
  std::vector<Polyline> roads_;
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
