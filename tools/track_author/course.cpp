#include "course.h"

#include <cmath>
#include <map>

#include "track/track.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCell = 256, kMid = 128;
// Walls stand this far from the centre line: 48 pixels beyond the road's edge.
constexpr double kWallOffset = 144;
// Pads on the road: two weapon pads side by side, this far either side of the centre.
constexpr double kPadSpread = 48;
// Pit lane: it leaves the racing road this far before the entry tile and joins it after the exit.
constexpr double kPitLead = 32;
constexpr int kPitEntry = 12, kPitExit = 13, kPitLane = 14, kPitBoxes = 17, kFinish = 8, kHairpin = 7,
              kCrossing = 6;

enum Turn { kStraight = 0, kLeft = 1, kRight = 2 };

// Where a road meets a tile's edge, and which way that edge faces (degrees, 0 along +x).
struct Port {
  Point at;
  int facing;
};

struct Road {
  Port a, b;
  Polyline centre;  // from a to b
};

struct Shape {
  int cells = 1;
  std::vector<Road> roads;
  Polyline pit;  // the pit lane's centre, from where it leaves the road
};

Polyline Line(Point a, Point b) { return {a, b}; }

Polyline ArcLine(Point c, double r, double from, double to) {
  Polyline line;
  const int steps = std::max(8, static_cast<int>(std::fabs(to - from) / 2));
  for (int i = 0; i <= steps; ++i) {
    const double a = (from + (to - from) * i / steps) * kPi / 180;
    line.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  return line;
}

// y from y0 to y1 over x0..x1 in a smooth step, the way the tiles draw a lane change.
Polyline LaneChange(double x0, double x1, double y0, double y1) {
  Polyline line;
  for (int i = 0; i <= 96; ++i) {
    const double t = i / 96.0, s = t * t * (3 - 2 * t);
    line.push_back({x0 + (x1 - x0) * t, y0 + (y1 - y0) * s});
  }
  return line;
}

Polyline Joined(const std::vector<Polyline>& parts) {
  Polyline line;
  for (const Polyline& part : parts) Append(line, part);
  return line;
}

Road Across(double size, double y0, double y1, Polyline centre) {
  return {{{0, y0}, 180}, {{size, y1}, 0}, std::move(centre)};
}

// The road of each track tile as the tile pictures draw it, unturned.
const std::map<int, Shape>& Shapes() {
  static const std::map<int, Shape> shapes = [] {
    const double c2 = 2 * kCell, c3 = 3 * kCell;
    const Road straight = Across(kCell, kMid, kMid, Line({0, kMid}, {kCell, kMid}));
    const Road bottom = Across(c2, c2 - kMid, c2 - kMid, Line({0, c2 - kMid}, {c2, c2 - kMid}));
    std::map<int, Shape> s;
    for (int id : {0, 8, 9, 10, 11, 15, 16}) s[id] = {1, {straight}, {}};
    s[1] = {1, {{{{0, kMid}, 180}, {{kMid, kCell}, 90}, ArcLine({0, kCell}, kMid, -90, 0)}}, {}};
    s[2] = {2, {{{{0, kMid}, 180}, {{c2 - kMid, c2}, 90}, ArcLine({0, c2}, c2 - kMid, -90, 0)}}, {}};
    s[3] = {3, {{{{0, kMid}, 180}, {{c3 - kMid, c3}, 90}, ArcLine({0, c3}, c3 - kMid, -90, 0)}}, {}};
    s[4] = {1,
            {Across(kCell, kMid, kMid,
                    Joined({LaneChange(0, kMid, kMid, kMid - 40), LaneChange(kMid, kCell, kMid - 40, kMid)}))},
            {}};
    // The S-bends: one lane to the side over two cells, down (5) or up (18).
    const auto sBend = [c2](double y0, double y1) {
      return Across(c2, y0, y1,
                    Joined({Line({0, y0}, {64, y0}), LaneChange(64, c2 - 64, y0, y1), Line({c2 - 64, y1}, {c2, y1})}));
    };
    s[5] = {2, {sBend(kMid, c2 - kMid)}, {}};
    s[18] = {2, {sBend(c2 - kMid, kMid)}, {}};
    s[kCrossing] = {1, {straight, {{{kMid, 0}, 270}, {{kMid, kCell}, 90}, Line({kMid, 0}, {kMid, kCell})}}, {}};
    const Polyline hairpin = Joined({Line({0, kMid}, {kCell, kMid}), ArcLine({kCell, kCell}, kMid, -90, 90),
                                     Line({kCell, c2 - kMid}, {0, c2 - kMid})});
    s[kHairpin] = {2, {{{{0, kMid}, 180}, {{0, c2 - kMid}, 180}, hairpin}}, {}};
    s[kPitEntry] = {2, {bottom}, Joined({LaneChange(64, c2 - 64, c2 - kMid, kMid), Line({c2 - 64, kMid}, {c2, kMid})})};
    s[kPitExit] = {2, {bottom}, Joined({Line({0, kMid}, {64, kMid}), LaneChange(64, c2 - 64, kMid, c2 - kMid)})};
    return s;
  }();
  return shapes;
}

// A quarter turn clockwise of a point in a tile of the given size.
Point Turned(Point p, double size, int quarters) {
  for (int i = 0; i < quarters; ++i) p = {size - p.y, p.x};
  return p;
}

Point Direction(int heading) {
  const double a = heading * kPi / 180;
  return {std::round(std::cos(a)), std::round(std::sin(a))};
}

Point Offset(Point p, Point direction, double right) { return {p.x - direction.y * right, p.y + direction.x * right}; }

// The line moved sideways, right of its direction for a positive distance.
Polyline Sideways(const Polyline& line, double right) {
  Polyline moved;
  for (size_t i = 0; i < line.size(); ++i) {
    const Point a = line[i == 0 ? 0 : i - 1], b = line[i + 1 < line.size() ? i + 1 : i];
    const double length = Length(a, b);
    if (length <= 0) continue;
    moved.push_back(Offset(line[i], {(b.x - a.x) / length, (b.y - a.y) / length}, right));
  }
  return moved;
}

Box Around(const Polyline& line, double margin) {
  Box box{1e18, 1e18, -1e18, -1e18};
  for (const Point& p : line) {
    box = {std::min(box.x0, p.x), std::min(box.y0, p.y), std::max(box.x1, p.x), std::max(box.y1, p.y)};
  }
  return {box.x0 - margin, box.y0 - margin, box.x1 + margin, box.y1 + margin};
}

int Snap(double v) { return static_cast<int>(std::lround(v / 32)) * 32; }

}  // namespace

Course::Course(TTrack& track, int cellX, int cellY, int heading)
    : track_(track), startHeading_(heading), heading_(heading) {
  const Point d = Direction(heading);
  // The road enters the cell through the middle of the edge it is heading away from.
  start_ = {cellX * kCell + kMid - d.x * kMid, cellY * kCell + kMid - d.y * kMid};
  at_ = start_;
}

bool Course::Fail(const std::string& why) {
  *error_ = why;
  return false;
}

std::string Course::Position() const {
  return "the road is at " + std::to_string(std::lround(at_.x)) + " " + std::to_string(std::lround(at_.y)) +
         " heading " + std::to_string(heading_) + ", " + std::to_string(tiles_) + " tiles laid";
}

bool Course::Command(const std::string& command, std::istringstream& in, std::string& error) {
  error_ = &error;
  if (command == "lay") return Lay(in);
  if (command == "pits") return Pits(in);
  return Fail("unknown course command " + command);
}

bool Course::Lay(std::istringstream& in) {
  int id = -1;
  if (!(in >> id) || !Shapes().count(id)) return Fail("lay needs a road tile number");
  int turn = kStraight, times = 1, walls = 0;
  std::string pad;
  for (std::string word; in >> word;) {
    if (word == "left" || word == "right") {
      turn = word == "left" ? kLeft : kRight;
    } else if (word[0] == 'x') {
      times = std::atoi(word.c_str() + 1);
    } else if (word == "wall") {
      std::string side;
      in >> side;
      walls = side == "left" ? 1 : side == "right" ? 2 : side == "both" ? 3 : -1;
      if (walls < 0) return Fail("wall needs left, right or both");
    } else if (word == "boost" || word == "weapon" || word == "weapons") {
      pad = word;
    } else {
      return Fail("unknown word " + word);
    }
  }
  if (times < 1) return Fail("xN needs a count from 1");
  for (int i = 0; i < times; ++i) {
    Placed placed;
    if (!Place(id, turn, -1, placed)) return false;
    Extend(placed, walls, i == times / 2 ? pad : "", id);
  }
  return true;
}

bool Course::Place(int id, int turn, int forcedRotation, Placed& placed) {
  const Shape& shape = Shapes().at(id);
  const double size = shape.cells * kCell;
  for (int q0 = 0; q0 < 4; ++q0) {
    const int q = (heading_ / 90 + q0) % 4;
    if (forcedRotation >= 0 && q * 90 != forcedRotation) continue;
    for (const Road& road : shape.roads) {
      for (int reversed = 0; reversed < 2; ++reversed) {
        const Port& in = reversed ? road.b : road.a;
        const Port& out = reversed ? road.a : road.b;
        if ((in.facing + 90 * q) % 360 != (heading_ + 180) % 360) continue;
        const Point entry = Turned(in.at, size, q);
        const Point origin{at_.x - entry.x, at_.y - entry.y};
        const Point exit = Turned(out.at, size, q);
        const int newHeading = (out.facing + 90 * q) % 360;
        const int relative = (newHeading - heading_ + 360) % 360;
        const Point d = Direction(heading_);
        const double side = d.x * (exit.y - entry.y) - d.y * (exit.x - entry.x);
        const int kind = relative == 90    ? kRight
                         : relative == 270 ? kLeft
                         : relative == 180 ? (side > 0 ? kRight : kLeft)
                                           : kStraight;
        if (kind != kStraight && turn == kStraight) {
          return Fail("tile " + std::to_string(id) + " turns: say left or right");
        }
        if (kind != turn && !(kind == kStraight && turn != kStraight && relative == 0)) continue;
        placed.cellX = static_cast<int>(std::lround(origin.x / kCell));
        placed.cellY = static_cast<int>(std::lround(origin.y / kCell));
        placed.rotation = q * 90;
        if (!Occupy(id, placed.rotation, placed.cellX, placed.cellY, shape.cells)) return false;
        Polyline centre = road.centre;
        if (reversed) centre.assign(road.centre.rbegin(), road.centre.rend());
        for (Point& p : centre) {
          p = Turned(p, size, q);
          p = {p.x + origin.x, p.y + origin.y};
        }
        placed.centre = centre;
        at_ = {origin.x + exit.x, origin.y + exit.y};
        heading_ = newHeading;
        return true;
      }
    }
  }
  return Fail("tile " + std::to_string(id) + " cannot carry on the road here: " + Position());
}

bool Course::Occupy(int id, int rotation, int cellX, int cellY, int cells) {
  if (cellX < 0 || cellY < 0 || cellX + cells > kTrackW || cellY + cells > kTrackH) {
    return Fail("tile " + std::to_string(id) + " off the grid at cell " + std::to_string(cellX) + " " +
                std::to_string(cellY));
  }
  TTileData& parent = track_.tile_level[1][static_cast<size_t>(cellX)][static_cast<size_t>(cellY)];
  // The crossing is laid once and driven through twice.
  if (id == kCrossing && parent.id == kCrossing) return true;
  for (int x = cellX; x < cellX + cells; ++x) {
    for (int y = cellY; y < cellY + cells; ++y) {
      const TTileData& cell = track_.tile_level[1][static_cast<size_t>(x)][static_cast<size_t>(y)];
      if (cell.id >= 0 || cell.parentx >= 0) {
        return Fail("tile " + std::to_string(id) + " overlaps cell " + std::to_string(x) + " " + std::to_string(y));
      }
    }
  }
  for (int x = cellX; x < cellX + cells; ++x) {
    for (int y = cellY; y < cellY + cells; ++y) {
      track_.tile_level[1][static_cast<size_t>(x)][static_cast<size_t>(y)] =
          (x == cellX && y == cellY) ? TTileData{id, rotation, -1, -1, 0} : TTileData{-1, 0, cellX, cellY, 0};
    }
  }
  ++tiles_;
  return true;
}

void Course::Extend(const Placed& placed, int wallSides, const std::string& pad, int tileId) {
  if (tileId == kFinish) finishes_.push_back(TotalLength(lap_) + TotalLength(placed.centre) / 2);
  if (tileId == kHairpin) noCheckpoints_.push_back(Around(placed.centre, 160));
  if (tileId == kCrossing) noCheckpoints_.push_back(Around(placed.centre, 160));
  Append(lap_, placed.centre);
  for (int side = 0; side < 2; ++side) {
    if (wallSides & (1 << side)) {
      AddWall(side, placed.centre);
    } else {
      openWall_[side] = -1;
    }
  }
  AddPad(pad, placed.centre);
}

void Course::AddWall(int side, const Polyline& centre) {
  const Polyline wall = Sideways(centre, side == 0 ? -kWallOffset : kWallOffset);
  if (openWall_[side] < 0) {
    openWall_[side] = static_cast<int>(walls_.size());
    walls_.emplace_back();
  }
  Append(walls_[static_cast<size_t>(openWall_[side])], wall);
}

void Course::AddPad(const std::string& pad, const Polyline& centre) {
  if (pad.empty()) return;
  Point d{1, 0};
  const Point middle = At(centre, TotalLength(centre) / 2, &d);
  int rotation = static_cast<int>(std::lround(std::atan2(d.y, d.x) * 180 / kPi / 15)) * 15;
  rotation = (rotation + 360) % 360;
  const auto put = [&](int id, double right) {
    const Point p = Offset(middle, d, right);
    track_.l_objects.push_back(TTileData{id, rotation, Snap(p.x), Snap(p.y), 0});
  };
  if (pad == "boost") put(0, 0);
  if (pad == "weapon") put(1, 0);
  if (pad == "weapons") {
    put(1, -kPadSpread);
    put(1, kPadSpread);
  }
}

// The pit entry, N straights with the pit lane beside them, the pit exit; the pit lane on
// the left of the road (the entry and exit tiles as drawn) or on its right (both turned round).
bool Course::Pits(std::istringstream& in) {
  int lanes = 0;
  if (!(in >> lanes) || lanes < 1) return Fail("pits needs the number of lane tiles");
  bool right = false, wall = false;
  for (std::string word; in >> word;) {
    if (word == "right" || word == "left") {
      right = word == "right";
    } else if (word == "wall") {
      wall = true;
    } else {
      return Fail("unknown word " + word);
    }
  }
  if (!pitLane_.empty()) return Fail("one pit lane a track");
  const int wallSides = wall ? (right ? 1 : 2) : 0;
  const int straight = heading_, turned = (heading_ + 180) % 360;
  const Point d = Direction(heading_);
  Polyline pit{{at_.x - d.x * kPitLead, at_.y - d.y * kPitLead}};
  Placed entry;
  const int entryId = right ? kPitExit : kPitEntry;
  if (!Place(entryId, kStraight, right ? turned : straight, entry)) return false;
  Extend(entry, wallSides, "", entryId);
  const auto addTilePit = [&](int id, const Placed& placed) {
    Polyline part = Shapes().at(id).pit;
    for (Point& p : part) {
      p = Turned(p, 2 * kCell, placed.rotation / 90);
      p = {p.x + placed.cellX * kCell, p.y + placed.cellY * kCell};
    }
    if (Length(part.back(), pit.back()) < Length(part.front(), pit.back())) part.assign(part.rbegin(), part.rend());
    Append(pit, part);
  };
  addTilePit(entryId, entry);
  const Point side = right ? Point{-d.y, d.x} : Point{d.y, -d.x};
  for (int i = 0; i < lanes; ++i) {
    Placed road;
    if (!Place(0, kStraight, straight, road)) return false;
    Extend(road, wallSides, "", 0);
    if (!Occupy(i == 0 ? kPitBoxes : kPitLane, straight, road.cellX + static_cast<int>(side.x),
                road.cellY + static_cast<int>(side.y), 1)) {
      return false;
    }
    const Point last = pit.back();
    pit.push_back({last.x + d.x * kCell, last.y + d.y * kCell});
  }
  Placed exit;
  const int exitId = right ? kPitEntry : kPitExit;
  if (!Place(exitId, kStraight, right ? turned : straight, exit)) return false;
  Extend(exit, wallSides, "", exitId);
  addTilePit(exitId, exit);
  pit.push_back({at_.x + d.x * kPitLead, at_.y + d.y * kPitLead});
  AddPit(pit);
  return true;
}

void Course::AddPit(const Polyline& pit) {
  pitLane_ = pit;
  noCheckpoints_.push_back(Around(pit, 160));
}

bool Course::Close(std::string& error) {
  error_ = &error;
  if (Length(at_, start_) > 0.5 || heading_ != startHeading_) return Fail("the course does not close: " + Position());
  if (finishes_.empty()) return Fail("the course has no finish tile");
  // The lap starts in the middle of the first finish tile.
  const double s = finishes_.front();
  Point d;
  Polyline rotated{At(lap_, s, &d)};
  double walked = 0;
  for (size_t i = 1; i < lap_.size(); ++i) {
    walked += Length(lap_[i - 1], lap_[i]);
    if (walked > s) rotated.push_back(lap_[i]);
  }
  walked = 0;
  for (size_t i = 1; i < lap_.size(); ++i) {
    walked += Length(lap_[i - 1], lap_[i]);
    if (walked < s) Append(rotated, {lap_[i]});
  }
  rotated.push_back(rotated.front());
  lap_ = rotated;
  return true;
}
