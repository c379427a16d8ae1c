// Every built-in track holds exactly the counts its file is known by, and keeps the rules
// every shipped track keeps: an empty base level, each start grid once, ids in file order,
// objects on the 32-pixel grid in 15-degree steps.
#include <string>
#include <vector>

#include "platform/embedded_files.h"
#include "track_fixture.h"

namespace {

struct BuiltInTrack {
  const char* name;
  size_t bytes;
  int colour;
  int cells;
  size_t objects;
  size_t checkpoints;
  std::vector<size_t> racingLines;
  size_t pitPoints;
  size_t wallPoints;
};

const BuiltInTrack kBuiltInTracks[] = {
    {"Test_Track", 27272, 7, 26, 21, 13, {53, 55, 57}, 11, 40},
    {"Lazcon", 28204, 3, 35, 28, 12, {58, 79, 78}, 13, 39},
    {"Ruze", 28424, 1, 43, 19, 12, {60, 59, 62, 60}, 15, 36},
    {"Vozeru", 28780, 2, 36, 42, 15, {76, 72, 75}, 11, 47},
    {"Babstar", 34428, 7, 45, 52, 20, {81, 84, 78, 76, 79, 74, 81}, 10, 51},
    {"Traztan", 28412, 8, 47, 38, 17, {65, 70, 67}, 10, 48},
    {"Dreksu", 28752, 2, 41, 49, 14, {72, 74, 78}, 11, 37},
    {"Mexxin", 30224, 4, 51, 59, 17, {97, 105, 101}, 9, 35},
    {"Zekkeron", 32876, 3, 53, 28, 16, {109, 109, 118, 109}, 12, 96},
    {"Kefla", 28996, 6, 44, 36, 19, {76, 75, 82}, 11, 52},
    {"Plazmina", 28616, 7, 36, 53, 15, {80, 80}, 10, 87},
    {"Sattiros", 29928, 5, 42, 35, 18, {89, 92, 95}, 14, 67},
    {"Qatt", 29036, 1, 44, 28, 18, {85, 89, 80}, 9, 47},
};

class BuiltInTrackTable : public TrackTest, public testing::WithParamInterface<BuiltInTrack> {
 protected:
  void SetUp() override {
    TrackTest::SetUp();
    ASSERT_EQ(track_->LoadTrack(GetParam().name, 0), 1) << GetParam().name;
  }

  int CountParents(int level, int id) const {
    int count = 0;
    for (const auto& column : track_->tile_level[static_cast<size_t>(level)]) {
      for (const TTileData& cell : column) count += cell.IsParent() && (id < 0 || cell.id == id) ? 1 : 0;
    }
    return count;
  }
};

std::string TrackName(const testing::TestParamInfo<BuiltInTrack>& info) { return info.param.name; }

TEST_P(BuiltInTrackTable, FileHoldsTheKnownCounts) {
  const BuiltInTrack& expected = GetParam();
  const EmbeddedFile* file = FindEmbeddedFile(std::string("Inc/Tracks/") + expected.name + ".trk");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->size, expected.bytes);
  EXPECT_EQ(track_->i_Colour, expected.colour);
  EXPECT_EQ(track_->s_Colour, kTrackColours[expected.colour - 1]);
  EXPECT_EQ(CountParents(1, -1), expected.cells);
  EXPECT_EQ(track_->l_objects.size(), expected.objects);
  EXPECT_EQ(track_->l_waylines.size(), expected.checkpoints);
  std::vector<size_t> used;
  for (const TWayPointList& line : track_->l_waypoints) {
    if (!line.empty()) used.push_back(line.size());
  }
  EXPECT_EQ(used, expected.racingLines);
  // The used lines come first: no empty line between two used ones.
  for (size_t line = 0; line < used.size(); ++line) EXPECT_FALSE(track_->l_waypoints[line].empty()) << line;
  EXPECT_EQ(track_->l_pitwaypoints.size(), expected.pitPoints);
  EXPECT_EQ(track_->l_wallpoints.size(), expected.wallPoints);
}

TEST_P(BuiltInTrackTable, BaseLevelIsEmptyAndEachGridTileLiesOnce) {
  EXPECT_EQ(CountParents(0, -1), 0);
  for (const auto& column : track_->tile_level[0]) {
    for (const TTileData& cell : column) EXPECT_EQ(cell.parentx, -1);
  }
  for (int grid : {9, 10, 11}) EXPECT_EQ(CountParents(1, grid), 1) << "grid tile " << grid;
}

TEST_P(BuiltInTrackTable, IdsRunOneTwoThreeInFileOrder) {
  const auto runs = [](const TWayPointList& points) {
    for (size_t i = 0; i < points.size(); ++i) {
      if (points[i].id != static_cast<int>(i) + 1) return false;
    }
    return true;
  };
  for (size_t line = 0; line < kRacingLines; ++line) EXPECT_TRUE(runs(track_->l_waypoints[line])) << "racing line " << line;
  EXPECT_TRUE(runs(track_->l_pitwaypoints)) << "pit lane";
  for (size_t i = 0; i < track_->l_waylines.size(); ++i) EXPECT_EQ(track_->l_waylines[i].id, static_cast<int>(i) + 1);
}

TEST_P(BuiltInTrackTable, ObjectsSitOnTheGridInFifteenDegreeSteps) {
  for (const TTileData& object : track_->l_objects) {
    EXPECT_TRUE(object.id >= 0 && object.id <= 2) << object.id;
    EXPECT_EQ(object.rotation % 15, 0);
    EXPECT_TRUE(object.rotation >= 0 && object.rotation <= 360) << object.rotation;
    EXPECT_EQ(object.parentx % 32, 0);
    EXPECT_EQ(object.parenty % 32, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Tracks, BuiltInTrackTable, testing::ValuesIn(kBuiltInTracks), TrackName);

}  // namespace
