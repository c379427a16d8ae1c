// Draws the game's tile pictures: bright edges and soft surfaces on black, because the game
// tints each tile with the track colour and adds it to the screen. Every track tile comes
// with its terrain pattern ("Pat" + name: black off the road, grey road, red kerb, green pit
// lane) and its minimap picture ("Mini" + name, 16 pixels per cell). The output is the same
// on every run.
//
//   qx_make_tiles OUTPUT_FOLDER     writes OUTPUT_FOLDER/Track/ and OUTPUT_FOLDER/Objects/
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tile_canvas.h"

namespace {

constexpr int kCell = 256;
constexpr int kMiniCell = 16;
constexpr double kRoadHalf = 96;
constexpr double kKerb = 12;
constexpr double kPitHalf = 44;
constexpr double kMid = kCell / 2.0;

struct TrackTile {
  std::string name;
  int cells = 1;
  std::vector<Path> roads;
  std::vector<Path> pits;
  std::function<void(Canvas&)> marks;
};

enum Ground { kOff, kRoad, kKerbZone, kPit };

struct Sample {
  Ground ground = kOff;
  double roadDistance = 1e18, pitDistance = 1e18, along = 0;
};

Sample Measure(const TrackTile& tile, Vec p) {
  Sample s;
  for (const Path& road : tile.roads) {
    double along = 0;
    const double d = road.Distance(p, &along);
    if (d < s.roadDistance) {
      s.roadDistance = d;
      s.along = along;
    }
  }
  for (const Path& pit : tile.pits) s.pitDistance = std::min(s.pitDistance, pit.Distance(p));
  if (s.roadDistance < kRoadHalf) {
    s.ground = s.roadDistance > kRoadHalf - kKerb ? kKerbZone : kRoad;
  } else if (s.pitDistance < kPitHalf) {
    s.ground = kPit;
  }
  return s;
}

// The brightness of the road picture at one sample: surface, kerb stripes, edge line, glow.
void Shade(Canvas& picture, int x, int y, const Sample& s) {
  const double road = s.roadDistance, pit = s.pitDistance;
  if (s.ground == kRoad) {
    const double r = road / kRoadHalf;
    double value = 0.14 + 0.10 * (1 - r * r);
    if (road < 2.5 && std::fmod(s.along, 64.0) < 32.0) value = 0.45;
    picture.Max(x, y, value, 1.0);
  } else if (s.ground == kKerbZone) {
    picture.Max(x, y, std::fmod(s.along, 48.0) < 24.0 ? 0.55 : 0.28, 1.0);
  } else if (s.ground == kPit) {
    picture.Max(x, y, 0.12, 1.0);
  }
  const double edge = std::fabs(road - kRoadHalf);
  if (edge < 2.5) picture.Max(x, y, 1.0, 1.0);
  if (road > kRoadHalf && s.ground != kPit) {
    const double glow = 0.8 * std::exp(-(road - kRoadHalf) / 8.0);
    picture.Max(x, y, glow, glow);
  }
  if (s.ground == kPit && std::fabs(pit - kPitHalf) < 2.5) picture.Max(x, y, 0.8, 1.0);
}

void Pattern(Canvas& pattern, int x, int y, Ground ground) {
  switch (ground) {
    case kOff: pattern.Set(x, y, 0, 0, 0, 1); break;
    case kRoad: pattern.Set(x, y, 128 / 255.0, 128 / 255.0, 128 / 255.0, 1); break;
    case kKerbZone: pattern.Set(x, y, 1, 0, 0, 1); break;
    case kPit: pattern.Set(x, y, 0, 1, 0, 1); break;
  }
}

// The minimap: how much of each 16th of a cell is road or pit lane.
Canvas Mini(const TrackTile& tile) {
  const int size = tile.cells * kMiniCell;
  Canvas mini(size, size);
  const double step = static_cast<double>(kCell) / kMiniCell;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int covered = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          const Vec p{(x + (sx + 0.5) / 4) * step, (y + (sy + 0.5) / 4) * step};
          if (Measure(tile, p).ground != kOff) ++covered;
        }
      }
      const double value = covered / 16.0;
      mini.Set(x, y, value, value, value, value);
    }
  }
  return mini;
}

bool WriteTrackTile(const TrackTile& tile, const std::string& folder) {
  const int size = tile.cells * kCell;
  Canvas picture(size, size), pattern(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Sample s = Measure(tile, {x + 0.5, y + 0.5});
      Shade(picture, x, y, s);
      Pattern(pattern, x, y, s.ground);
    }
  }
  if (tile.marks) tile.marks(picture);
  return picture.WritePng(folder + tile.name, true) && pattern.WritePng(folder + "Pat" + tile.name, false) &&
         Mini(tile).WritePng(folder + "Mini" + tile.name, true);
}

Path Across(double y) { return Straight({0, y}, {kCell, y}); }

void Checkers(Canvas& c) {
  for (int y = static_cast<int>(kMid - kRoadHalf + kKerb); y < static_cast<int>(kMid + kRoadHalf - kKerb); ++y) {
    for (int x = 112; x < 144; ++x) {
      const bool light = ((x / 8) + (y / 8)) % 2 == 0;
      c.Set(x, y, light ? 0.9 : 0.04, light ? 0.9 : 0.04, light ? 0.9 : 0.04, 1.0);
    }
  }
}

// The four grid places of a start tile, facing +x, as the race puts the ships there.
void GridBoxes(Canvas& c) {
  const Vec places[4] = {{208, 81}, {144, 177}, {80, 81}, {16, 177}};
  for (const Vec& p : places) {
    c.GlowLine({p.x + 30, p.y - 24}, {p.x + 30, p.y + 24}, 3, 0.9);
    c.GlowLine({p.x + 30, p.y - 24}, {p.x + 6, p.y - 24}, 3, 0.9);
    c.GlowLine({p.x + 30, p.y + 24}, {p.x + 6, p.y + 24}, 3, 0.9);
  }
}

void PitBoxes(Canvas& c) {
  for (double x : {8.0, 88.0, 168.0, 248.0}) c.GlowLine({x, kMid - kPitHalf + 6}, {x, kMid + kPitHalf - 6}, 3, 0.7);
  c.GlowLine({48, kMid - 12}, {48, kMid + 12}, 4, 0.9);
  c.GlowLine({36, kMid}, {60, kMid}, 4, 0.9);
}

void Chevrons(Canvas& c) {
  for (double x : {72.0, 136.0, 200.0}) {
    c.GlowLine({x - 24, kMid - 44}, {x + 8, kMid}, 4, 0.8);
    c.GlowLine({x + 8, kMid}, {x - 24, kMid + 44}, 4, 0.8);
  }
}

void LightBars(Canvas& c) {
  for (double x : {32.0, 96.0, 160.0, 224.0}) c.GlowLine({x, kMid - kRoadHalf - 8}, {x, kMid + kRoadHalf + 8}, 4, 0.6);
}

Path Chicane() {
  return Join({LaneChange(0, kMid, kMid, kMid - 40), LaneChange(kMid, kCell, kMid - 40, kMid)});
}

// Listing order is tile numbering: 9, 10, 11 are the start grids, 17 the pit-lane tile.
std::vector<TrackTile> TrackTiles() {
  const double c2 = 2 * kCell, c3 = 3 * kCell;
  return {
      {"Track_01.png", 1, {Across(kMid)}, {}, nullptr},                                         // straight
      {"Track_02.png", 1, {Arc({0, kCell}, kMid, -90, 0)}, {}, nullptr},                        // tight bend
      {"Track_03.png", 2, {Arc({0, c2}, c2 - kMid, -90, 0)}, {}, nullptr},                      // wide bend
      {"Track_04.png", 3, {Arc({0, c3}, c3 - kMid, -90, 0)}, {}, nullptr},                      // sweeping bend
      {"Track_05.png", 1, {Chicane()}, {}, nullptr},                                            // chicane
      {"Track_06.png", 2,
       {Join({Straight({0, kMid}, {64, kMid}), LaneChange(64, c2 - 64, kMid, c2 - kMid),
              Straight({c2 - 64, c2 - kMid}, {c2, c2 - kMid})})}, {}, nullptr},                // S-bend down
      {"Track_07.png", 1, {Across(kMid), Straight({kMid, 0}, {kMid, kCell})}, {}, nullptr},     // crossing
      {"Track_08.png", 2,
       {Join({Straight({0, kMid}, {kCell, kMid}), Arc({kCell, kCell}, kMid, -90, 90),
              Straight({kCell, kCell + kMid}, {0, kCell + kMid})})}, {}, nullptr},              // hairpin
      {"Track_09.png", 1, {Across(kMid)}, {}, Checkers},                                        // finish line
      {"Track_10.png", 1, {Across(kMid)}, {}, GridBoxes},                                       // grid 1-4
      {"Track_11.png", 1, {Across(kMid)}, {}, GridBoxes},                                       // grid 5-8
      {"Track_12.png", 1, {Across(kMid)}, {}, GridBoxes},                                       // grid 9-12
      {"Track_13.png", 2, {Straight({0, c2 - kMid}, {c2, c2 - kMid})},
       {Join({LaneChange(64, c2 - 64, c2 - kMid, kMid), Straight({c2 - 64, kMid}, {c2, kMid})})}, nullptr},  // pit entry
      {"Track_14.png", 2, {Straight({0, c2 - kMid}, {c2, c2 - kMid})},
       {Join({Straight({0, kMid}, {64, kMid}), LaneChange(64, c2 - 64, kMid, c2 - kMid)})}, nullptr},        // pit exit
      {"Track_15.png", 1, {}, {Across(kMid)}, nullptr},                                         // pit lane
      {"Track_16.png", 1, {Across(kMid)}, {}, Chevrons},                                        // fast straight
      {"Track_17.png", 1, {Across(kMid)}, {}, LightBars},                                       // lit straight
      {"Track_18.png", 1, {}, {Across(kMid)}, PitBoxes},                                        // pit boxes
      {"Track_19.png", 2,
       {Join({Straight({0, c2 - kMid}, {64, c2 - kMid}), LaneChange(64, c2 - 64, c2 - kMid, kMid),
              Straight({c2 - 64, kMid}, {c2, kMid})})}, {}, nullptr},                          // S-bend up
  };
}

// Object tiles: 0 boost pad, 1 weapon pad, then decorations.
Canvas BoostPad() {
  Canvas c(64, 64);
  for (double x : {18.0, 34.0}) {
    c.GlowLine({x, 14}, {x + 16, 32}, 3, 1.0);
    c.GlowLine({x + 16, 32}, {x, 50}, 3, 1.0);
  }
  c.GlowLine({4, 4}, {60, 4}, 2, 0.5);
  c.GlowLine({4, 60}, {60, 60}, 2, 0.5);
  return c;
}

Canvas Ring(int size, double radius, double width, double brightness) {
  Canvas c(size, size);
  const double mid = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double d = std::fabs(std::hypot(x + 0.5 - mid, y + 0.5 - mid) - radius);
      const double v = d < width / 2 ? 1.0 : std::exp(-(d - width / 2) / 3.0);
      c.Max(x, y, v * brightness, v);
    }
  }
  return c;
}

Canvas WeaponPad() {
  Canvas c = Ring(64, 24, 3, 1.0);
  c.GlowLine({32, 16}, {48, 32}, 3, 0.9);
  c.GlowLine({48, 32}, {32, 48}, 3, 0.9);
  c.GlowLine({32, 48}, {16, 32}, 3, 0.9);
  c.GlowLine({16, 32}, {32, 16}, 3, 0.9);
  return c;
}

Canvas Beacon() {
  Canvas c(48, 48);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      const double v = std::exp(-std::hypot(x + 0.5 - 24, y + 0.5 - 24) / 6.0);
      c.Max(x, y, v, v);
    }
  }
  return c;
}

Canvas ArrowSign() {
  Canvas c(64, 32);
  c.GlowLine({8, 16}, {52, 16}, 3, 0.9);
  c.GlowLine({52, 16}, {40, 6}, 3, 0.9);
  c.GlowLine({52, 16}, {40, 26}, 3, 0.9);
  return c;
}

bool WriteObjects(const std::string& folder) {
  return BoostPad().WritePng(folder + "Object_01.png", true) && WeaponPad().WritePng(folder + "Object_02.png", true) &&
         Beacon().WritePng(folder + "Object_03.png", true) && Ring(32, 10, 2, 0.8).WritePng(folder + "Object_04.png", true) &&
         ArrowSign().WritePng(folder + "Object_05.png", true);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string root = std::string(argv[1]) + "/";
  std::error_code error;
  std::filesystem::create_directories(root + "Track", error);
  std::filesystem::create_directories(root + "Objects", error);
  for (const TrackTile& tile : TrackTiles()) {
    if (!WriteTrackTile(tile, root + "Track/")) {
      std::fprintf(stderr, "could not write %s\n", tile.name.c_str());
      return 1;
    }
  }
  if (!WriteObjects(root + "Objects/")) {
    std::fprintf(stderr, "could not write the object tiles\n");
    return 1;
  }
  return 0;
}
