// The built-in tracks are real circuits: checked against the terrain patterns of the
// generated tiles, as a ship would feel the ground.
#include <algorithm>
#include <cmath>
#include <map>

#include "png_reader.h"
#include "track_fixture.h"

namespace {

enum Ground { kOff, kRoad, kPit };

class Terrain {
 public:
  explicit Terrain(const TTrack& track) : track_(track) {}

  // The ground at a world point: the pattern pixel of the tile covering it, turned with the tile.
  Ground At(double wx, double wy) {
    const int cx = static_cast<int>(std::floor(wx / 256)), cy = static_cast<int>(std::floor(wy / 256));
    if (cx < 0 || cy < 0 || cx >= kTrackW || cy >= kTrackH) return kOff;
    const TTileData* cell = &track_.tile_level[1][static_cast<size_t>(cx)][static_cast<size_t>(cy)];
    int px = cx, py = cy;
    if (!cell->IsParent() && cell->parentx >= 0) {
      px = cell->parentx;
      py = cell->parenty;
      cell = &track_.tile_level[1][static_cast<size_t>(px)][static_cast<size_t>(py)];
    }
    if (!cell->IsParent()) return kOff;
    const Picture& pattern = Pattern(cell->id);
    if (!pattern.ok()) return kOff;
    const int size = pattern.width;
    int u = static_cast<int>(wx) - px * 256, v = static_cast<int>(wy) - py * 256;
    // Undo the clockwise quarter turns: drawn (x, y) came from picture (y, size - 1 - x).
    for (int turn = 0; turn < cell->rotation / 90; ++turn) {
      const int x = u;
      u = v;
      v = size - 1 - x;
    }
    if (u < 0 || v < 0 || u >= size || v >= size) return kOff;
    const uint8_t* p = pattern.At(u, v);
    if (p[0] == 0 && p[1] == 255 && p[2] == 0) return kPit;
    if ((p[0] == 128 && p[1] == 128 && p[2] == 128) || (p[0] == 255 && p[1] == 0 && p[2] == 0)) return kRoad;
    return kOff;
  }

 private:
  const Picture& Pattern(int id) {
    auto found = patterns_.find(id);
    if (found == patterns_.end()) {
      const std::string name = static_cast<size_t>(id) < track_.tracktilenames.size() ? track_.tracktilenames[static_cast<size_t>(id)] : "";
      found = patterns_.emplace(id, ReadPicture(std::string(QX_GAME_DIR) + "/Media/Tiles/Track/Pat" + name)).first;
    }
    return found->second;
  }

  const TTrack& track_;
  std::map<int, Picture> patterns_;
};

class CircuitTest : public TrackTest, public testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    TrackTest::SetUp();
    ASSERT_EQ(track_->LoadTrack(GetParam(), 0), 1);
  }
};

// Sampled every 16 pixels, as a computer ship driving from point to point would pass.
TEST_P(CircuitTest, RacingLinesRunAlongTheRoad) {
  Terrain terrain(*track_);
  for (size_t line = 0; line < kRacingLines; ++line) {
    const TWayPointList& points = track_->l_waypoints[line];
    for (size_t i = 0; i < points.size(); ++i) {
      const TWayPoint& a = points[i];
      const TWayPoint& b = points[(i + 1) % points.size()];
      const double length = std::hypot(b.x - a.x, b.y - a.y);
      for (double s = 0; s < length; s += 16) {
        const double x = a.x + (b.x - a.x) * s / length, y = a.y + (b.y - a.y) * s / length;
        ASSERT_EQ(terrain.At(x, y), kRoad) << "line " << line << " from point " << a.id << " at " << x << " " << y;
      }
    }
  }
}

TEST_P(CircuitTest, EveryRacingLinePassesThePitEntry) {
  ASSERT_FALSE(track_->l_pitwaypoints.empty());
  const TWayPoint& entry = track_->l_pitwaypoints.front();
  for (size_t line = 0; line < kRacingLines; ++line) {
    const TWayPointList& points = track_->l_waypoints[line];
    double nearest = 1e9;
    for (size_t i = 0; i < points.size(); ++i) {
      const TWayPoint& a = points[i];
      const TWayPoint& b = points[(i + 1) % points.size()];
      for (double t = 0; t <= 1; t += 1.0 / 32) {
        nearest = std::min(nearest, std::hypot(a.x + (b.x - a.x) * t - entry.x, a.y + (b.y - a.y) * t - entry.y));
      }
    }
    // A damaged ship turns in only when it passes within 120 pixels of the entry.
    if (!points.empty()) {
      EXPECT_LT(nearest, 100) << "line " << line;
    }
  }
}

TEST_P(CircuitTest, CheckpointLinesCrossTheRoad) {
  Terrain terrain(*track_);
  for (const TWayLine& line : track_->l_waylines) {
    EXPECT_EQ(terrain.At((line.x1 + line.x2) / 2.0, (line.y1 + line.y2) / 2.0), kRoad) << line.id;
    EXPECT_EQ(terrain.At(line.x1, line.y1), kOff) << line.id;
    EXPECT_EQ(terrain.At(line.x2, line.y2), kOff) << line.id;
  }
}

TEST_P(CircuitTest, ThePitLaneLeavesTheRoadThroughThePitTile) {
  Terrain terrain(*track_);
  const TWayPointList& pit = track_->l_pitwaypoints;
  ASSERT_GE(pit.size(), 2u);
  EXPECT_EQ(terrain.At(pit.front().x, pit.front().y), kRoad);
  EXPECT_EQ(terrain.At(pit.back().x, pit.back().y), kRoad);
  int inPitTile = 0;
  for (size_t i = 0; i + 1 < pit.size(); ++i) {
    for (double t = 0; t < 1; t += 0.0625) {
      const double x = pit[i].x + (pit[i + 1].x - pit[i].x) * t, y = pit[i].y + (pit[i + 1].y - pit[i].y) * t;
      EXPECT_NE(terrain.At(x, y), kOff) << "pit lane after point " << pit[i].id;
    }
  }
  for (const TWayPoint& p : pit) {
    const TTileData& cell = track_->tile_level[1][static_cast<size_t>(p.x / 256)][static_cast<size_t>(p.y / 256)];
    if (cell.id == 17) ++inPitTile;
  }
  EXPECT_GE(inPitTile, 1);
}

TEST_P(CircuitTest, WallsStayOffTheRoad) {
  Terrain terrain(*track_);
  const TWayPointList& walls = track_->l_wallpoints;
  for (size_t i = 0; i < walls.size(); ++i) {
    EXPECT_EQ(terrain.At(walls[i].x, walls[i].y), kOff) << "wall point " << i + 1;
    if (i == 0 || walls[i].id <= 1) continue;
    for (double t = 0.05; t < 1; t += 0.05) {
      const double x = walls[i - 1].x + (walls[i].x - walls[i - 1].x) * t, y = walls[i - 1].y + (walls[i].y - walls[i - 1].y) * t;
      ASSERT_EQ(terrain.At(x, y), kOff) << "wall segment to point " << i + 1;
    }
  }
}

TEST_P(CircuitTest, WallIdsStartEachWallAtZeroAndCountPlacesOtherwise) {
  const TWayPointList& walls = track_->l_wallpoints;
  ASSERT_FALSE(walls.empty());
  EXPECT_EQ(walls.front().id, 0);
  for (size_t i = 1; i < walls.size(); ++i) {
    EXPECT_TRUE(walls[i].id == 0 || walls[i].id == static_cast<int>(i) + 1) << i;
  }
}

TEST_P(CircuitTest, TheStartLineLiesAheadOfTheGrid) {
  const TWayLine& start = track_->l_waylines.front();
  ASSERT_EQ(start.id, 1);
  for (int x = 0; x < kTrackW; ++x) {
    for (int y = 0; y < kTrackH; ++y) {
      if (track_->tile_level[1][static_cast<size_t>(x)][static_cast<size_t>(y)].id != 9) continue;
      // Grid places 1-4 face +x; place 1 is 208 pixels into the tile.
      EXPECT_EQ(track_->tile_level[1][static_cast<size_t>(x)][static_cast<size_t>(y)].rotation, 0);
      EXPECT_GT(start.x1, x * 256 + 208);
      EXPECT_LT(start.x1, x * 256 + 512);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tracks, CircuitTest,
                         testing::Values("Test_Track", "Lazcon", "Ruze", "Vozeru", "Babstar", "Traztan", "Dreksu", "Mexxin",
                                         "Zekkeron", "Kefla", "Plazmina", "Sattiros", "Qatt"));

}  // namespace
