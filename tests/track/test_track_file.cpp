#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/embedded_files.h"
#include "platform/file_system.h"
#include "platform/open_stream.h"
#include "platform/ram_stream.h"
#include "track/track_file.h"
#include "track_fixture.h"

namespace {

int ParentCells(const TTrack& track, int level) {
  int count = 0;
  for (const auto& column : track.tile_level[static_cast<size_t>(level)]) {
    for (const TTileData& cell : column) count += cell.IsParent() ? 1 : 0;
  }
  return count;
}

int TileCount(const TTrack& track, int id) {
  int count = 0;
  for (const auto& column : track.tile_level[1]) {
    for (const TTileData& cell : column) count += cell.id == id ? 1 : 0;
  }
  return count;
}

std::string EmbeddedBytes(const std::string& name) {
  const EmbeddedFile* file = FindEmbeddedFile(name);
  return file ? std::string(reinterpret_cast<const char*>(file->bytes), file->size) : std::string();
}

template <typename List>
bool IdsRunFromOne(const List& list) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].id != static_cast<int>(i) + 1) return false;
  }
  return true;
}

struct BuiltInTrack {
  const char* name;
  size_t bytes;
  int colour;
  int cells, objects, checkpoints;
  std::vector<size_t> racingLines;
  size_t pitPoints, wallPoints;
};

void PrintTo(const BuiltInTrack& track, std::ostream* out) { *out << track.name; }

class BuiltInTrackTest : public TrackTest, public testing::WithParamInterface<BuiltInTrack> {};

TEST_P(BuiltInTrackTest, LoadsWithTheCountsOfItsTable) {
  const BuiltInTrack& expected = GetParam();
  ASSERT_EQ(EmbeddedBytes(std::string("Inc/Tracks/") + expected.name + ".trk").size(), expected.bytes);
  ASSERT_EQ(track_->LoadTrack(expected.name, 0), 1);
  EXPECT_EQ(track_->name, expected.name);
  EXPECT_EQ(track_->i_Colour, expected.colour);
  EXPECT_EQ(ParentCells(*track_, 0), 0);
  EXPECT_EQ(ParentCells(*track_, 1), expected.cells);
  for (int grid : {9, 10, 11}) EXPECT_EQ(TileCount(*track_, grid), 1) << "grid tile " << grid;
  EXPECT_EQ(TileCount(*track_, 17), 1) << "pit-lane tile";
  EXPECT_EQ(track_->l_objects.size(), static_cast<size_t>(expected.objects));
  EXPECT_EQ(track_->l_waylines.size(), static_cast<size_t>(expected.checkpoints));
  for (size_t line = 0; line < kRacingLines; ++line) {
    const size_t points = line < expected.racingLines.size() ? expected.racingLines[line] : 0;
    EXPECT_EQ(track_->l_waypoints[line].size(), points) << "racing line " << line;
    EXPECT_TRUE(IdsRunFromOne(track_->l_waypoints[line])) << "racing line " << line;
  }
  EXPECT_EQ(track_->l_pitwaypoints.size(), expected.pitPoints);
  EXPECT_EQ(track_->l_wallpoints.size(), expected.wallPoints);
  EXPECT_TRUE(IdsRunFromOne(track_->l_pitwaypoints));
  EXPECT_TRUE(IdsRunFromOne(track_->l_waylines));
  for (const TTileData& object : track_->l_objects) {
    EXPECT_EQ(object.parentx % 32, 0);
    EXPECT_EQ(object.parenty % 32, 0);
    EXPECT_EQ(object.rotation % 15, 0);
    EXPECT_TRUE(object.id >= 0 && object.id <= 2) << object.id;
  }
}

TEST_P(BuiltInTrackTest, SavedUnchangedIsByteIdentical) {
  const BuiltInTrack& expected = GetParam();
  ASSERT_EQ(track_->LoadTrack(expected.name, 0), 1);
  ASSERT_EQ(track_->SaveTrack("Copy"), 1);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(save_.Read("Tracks/Copy.trk"), EmbeddedBytes(std::string("Inc/Tracks/") + expected.name + ".trk"));
}

TEST_P(BuiltInTrackTest, CheckpointLinesCrossTheRacingLineInLapOrder) {
  ASSERT_EQ(track_->LoadTrack(GetParam().name, 0), 1);
  const TWayPointList& line = track_->l_waypoints[0];
  // Each checkpoint's middle is nearest to a racing-line point further along than the last.
  int lastIndex = -1;
  for (const TWayLine& checkpoint : track_->l_waylines) {
    const float mx = (checkpoint.x1 + checkpoint.x2) / 2.0f, my = (checkpoint.y1 + checkpoint.y2) / 2.0f;
    const TWayPoint* nearest = TTrack::GetNearestWaypoint(mx, my, line, 0);
    ASSERT_NE(nearest, nullptr);
    EXPECT_GE(nearest->id - 1, lastIndex) << "checkpoint " << checkpoint.id;
    lastIndex = nearest->id - 1;
    EXPECT_GT(checkpoint.x2, -1);
  }
}

INSTANTIATE_TEST_SUITE_P(Tracks, BuiltInTrackTest,
                         testing::Values(BuiltInTrack{"Test_Track", 27272, 7, 26, 21, 13, {53, 55, 57}, 11, 40},
                                         BuiltInTrack{"Ruze", 28424, 1, 43, 19, 12, {60, 59, 62, 60}, 15, 36}),
                         [](const testing::TestParamInfo<BuiltInTrack>& track) { return std::string(track.param.name); });

TEST_F(TrackTest, AskingPastTheLastWayPointWrapsToTheFirst) {
  ASSERT_EQ(track_->LoadTrack("Ruze", 0), 1);
  const TWayPointList& line = track_->l_waypoints[0];
  ASSERT_EQ(TTrack::GetWayPoint(61, line)->id, 1);
  EXPECT_EQ(TTrack::GetWayPoint(30, line)->id, 30);
  EXPECT_EQ(TTrack::GetWayPoint(-5, line)->id, 1);
  EXPECT_EQ(TTrack::GetWayPoint(1, track_->l_waypoints[9]), nullptr);
  EXPECT_EQ(track_->GetWayLine(13)->id, 1);
  EXPECT_EQ(track_->GetWayLine(12)->id, 12);
}

TEST_F(TrackTest, WayPointsAreFoundByTheFirstIdAtLeastTheOneAskedFor) {
  const TWayPointList gaps{{2, 0, 0}, {5, 1, 1}, {5, 2, 2}, {9, 3, 3}};
  EXPECT_EQ(TTrack::GetWayPoint(3, gaps), &gaps[1]);
  EXPECT_EQ(TTrack::GetWayPoint(6, gaps), &gaps[3]);
  EXPECT_EQ(TTrack::GetWayPoint(10, gaps), &gaps[0]);
}

TEST_F(TrackTest, TheNearestWayPointKeepsTheFirstOfEqualDistances) {
  const TWayPointList points{{1, 100, 0}, {2, 0, 100}, {3, 50, 50}, {4, 50, 50}};
  EXPECT_EQ(TTrack::GetNearestWaypoint(40, 40, points, 0), &points[2]);
  EXPECT_EQ(TTrack::GetNearestWaypoint(0, 0, points, 0), &points[2]);
  EXPECT_EQ(TTrack::GetNearestWaypoint(200, 10, points, 0), &points[0]);
  EXPECT_EQ(TTrack::GetNearestWaypoint(0, 0, TWayPointList{}, 0), nullptr);
  // Screen coordinates: the view's offset, taken as a distance, is added.
  CameraX = -100;
  CameraY = 20;
  EXPECT_EQ(TTrack::GetNearestWaypoint(0, -20, points, 1), &points[0]);
}

TEST_F(TrackTest, TrackColoursFollowTheirNumber) {
  const struct {
    int n;
    int colour;
    const char* text;
  } cases[] = {{1, 1, "$FFFF0000"}, {3, 3, "$FF0066FF"}, {8, 8, "$FF6600FF"}, {12, 1, "$FFFF0000"},
               {9, 1, "$FFFF0000"}};
  for (const auto& c : cases) {
    track_->SetTrackColour(c.n);
    EXPECT_EQ(track_->i_Colour, c.colour) << c.n;
    EXPECT_EQ(track_->s_Colour, c.text) << c.n;
  }
  track_->SetTrackColour(6);
  track_->SetTrackColour(0);
  EXPECT_EQ(track_->i_Colour, 0);
  EXPECT_EQ(track_->s_Colour, "$FFFF66FF");
}

// Writes a track of tiles at the given level-1 cells into the save folder.
void SaveCells(TempFolder& save, const std::string& name, const std::vector<std::pair<int, int>>& cells) {
  TTrack track;
  track.SetTrackColour(2);
  for (const auto& [x, y] : cells) track.tile_level[1][static_cast<size_t>(x)][static_cast<size_t>(y)] = {0, 0, -1, -1, 0};
  auto out = WriteStream(save / ("Tracks/" + name + ".trk"));
  WriteTrackData(*out, track);
  out->Close();
}

TEST_F(TrackTest, TheMiniMapStartsAtTheUsedCells) {
  SaveCells(save_, "Corner", {{2, 5}, {7, 3}, {4, 9}});
  ASSERT_EQ(track_->LoadTrack("Corner", 0), 1);
  EXPECT_EQ(track_->mapoffsetx, -22);
  EXPECT_EQ(track_->mapoffsety, 10 - 3 * 16);
  EXPECT_EQ(track_->actualtrackw, 5 * 16);
  EXPECT_EQ(track_->actualtrackh, 6 * 16);
  track_->mode = 4;  // the editor leaves the view where loading put it
  track_->UpdateMapExtent();
  EXPECT_FLOAT_EQ(CameraX, -2 * 256.0f);
  EXPECT_FLOAT_EQ(CameraY, -3 * 256.0f);
}

TEST_F(TrackTest, ATrackWithoutTilesIsMappedAtTheCorner) {
  SaveCells(save_, "Empty", {});
  ASSERT_EQ(track_->LoadTrack("Empty", 0), 1);
  EXPECT_EQ(track_->mapoffsetx, 10);
  EXPECT_EQ(track_->mapoffsety, 10);
  EXPECT_EQ(track_->actualtrackw, 0);
  EXPECT_EQ(track_->actualtrackh, 0);
}

TEST_F(TrackTest, LoadingTellsTheOtherLayersInOrder) {
  GameTime = 4321;
  ASSERT_EQ(track_->LoadTrack("Ruze", 1), 1);
  EXPECT_EQ(calls_, (std::vector<std::string>{"resetCars", "startMusic", "clearParticles", "flushMouse"}));
  EXPECT_EQ(track_->racestarttime, 4321);
  EXPECT_EQ(track_->gridstarttime, 0);
  calls_.clear();
  ASSERT_EQ(track_->LoadTrack("Ruze", 0), 1);
  EXPECT_EQ(calls_, (std::vector<std::string>{"resetCars", "clearParticles", "flushMouse"}));
  GameTime = 0;
}

TEST_F(TrackTest, AMissingTrackOnlyErases) {
  ASSERT_EQ(track_->LoadTrack("Ruze", 0), 1);
  EXPECT_EQ(track_->LoadTrack("Nowhere", 1), 0);
  EXPECT_EQ(track_->name, "Ruze");
  EXPECT_EQ(ParentCells(*track_, 1), 0);
  EXPECT_TRUE(track_->l_objects.empty());
  EXPECT_TRUE(track_->l_waypoints[0].empty());
  EXPECT_EQ(calls_, (std::vector<std::string>{"resetCars", "clearParticles", "flushMouse"}));
}

TEST_F(TrackTest, BuiltInTracksComeBeforeSavedOnes) {
  SaveCells(save_, "Ruze", {{0, 0}});
  SaveCells(save_, "Mine", {{0, 0}});
  ASSERT_EQ(track_->LoadTrack("Ruze", 0), 1);
  EXPECT_EQ(ParentCells(*track_, 1), 43);
  ASSERT_EQ(track_->LoadTrack("Mine", 0), 1);
  EXPECT_EQ(ParentCells(*track_, 1), 1);
  EXPECT_EQ(track_->i_Colour, 2);
}

TEST_F(TrackTest, TheLapRecordComesFromTheGameDatabase) {
  ASSERT_EQ(OpenGameDb(":memory:"), SQLITE_OK);
  GameDb->Query("CREATE TABLE records(trackname TEXT PRIMARY KEY, laprecord INTEGER, lapholder TEXT)");
  GameDb->Query("INSERT INTO records VALUES('Ruze', 61234, 'O''Neil')");
  ASSERT_EQ(track_->LoadTrack("Ruze", 0), 1);
  EXPECT_EQ(track_->laprecord, 61234);
  EXPECT_EQ(track_->lapholder, "O'Neil");
  ASSERT_EQ(track_->LoadTrack("Test_Track", 0), 1);
  EXPECT_EQ(track_->laprecord, 0);
  EXPECT_EQ(track_->lapholder, "");
}

// Reading the bytes of a track file into an erased track.
TTrack Read(const std::string& bytes) {
  TTrack track;
  track.EraseTrack();
  TRamStream stream(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  ReadTrackData(stream, track);
  return track;
}

std::string Ints(const std::vector<int>& values) {
  std::string bytes;
  for (int v : values) {
    const auto u = static_cast<unsigned>(v);
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((u >> shift) & 0xff);
  }
  return bytes;
}

TEST_F(TrackTest, AFileCutShortReadsZeroesForWhatIsMissing) {
  const std::string ruze = EmbeddedBytes("Inc/Tracks/Ruze.trk");
  // Cut inside the grid: the cells after the cut read as zeroes and no record follows.
  const TTrack cut = Read(ruze.substr(0, 4 + 720 * 16 + 6));
  EXPECT_EQ(cut.i_Colour, 1);
  EXPECT_EQ(cut.tile_level[0][29][23].parenty, -1);
  EXPECT_EQ(cut.tile_level[1][0][0].id, -1);
  EXPECT_EQ(cut.tile_level[1][0][0].rotation, 0);
  EXPECT_EQ(cut.tile_level[1][0][0].parentx, 0);
  EXPECT_EQ(cut.tile_level[1][29][23].id, 0);
  EXPECT_TRUE(cut.l_objects.empty());
  // Cut inside a record: its missing values read as zeroes.
  const TTrack record = Read(ruze.substr(0, kTrackHeaderBytes) + Ints({2, 7, 100}));
  ASSERT_EQ(record.l_waylines.size(), 1u);
  EXPECT_EQ(record.l_waylines[0].id, 7);
  EXPECT_EQ(record.l_waylines[0].x1, 100);
  EXPECT_EQ(record.l_waylines[0].y2, 0);
}

TEST_F(TrackTest, RecordsAreReadInAnyOrderAndUnknownTagsSkipped) {
  const std::string grid(kTrackHeaderBytes, '\0');
  const TTrack track = Read(grid + Ints({5, 0, 1, 2, 99, 4, 1, 3, 4, 1, -1, 0, 64, 64, 1, 2, 90, 32, 32}));
  ASSERT_EQ(track.l_wallpoints.size(), 1u);
  ASSERT_EQ(track.l_pitwaypoints.size(), 1u);
  EXPECT_EQ(track.l_pitwaypoints[0].y, 4);
  // The object with id -1 is dropped.
  ASSERT_EQ(track.l_objects.size(), 1u);
  EXPECT_EQ(track.l_objects[0].rotation, 90);
}

TEST_F(TrackTest, RacingLinesMoveOnAtEachEndAndStopAfterTheTenth) {
  std::vector<int> records{3, 1, 10, 10, 6, 6, 3, 1, 20, 20};
  for (int i = 0; i < 9; ++i) records.push_back(6);
  records.insert(records.end(), {3, 1, 30, 30, 4, 1, 5, 5});
  const TTrack track = Read(std::string(kTrackHeaderBytes, '\0') + Ints(records));
  EXPECT_EQ(track.l_waypoints[0].size(), 1u);
  EXPECT_TRUE(track.l_waypoints[1].empty());
  ASSERT_EQ(track.l_waypoints[2].size(), 1u);
  EXPECT_EQ(track.l_waypoints[2][0].x, 20);
  for (size_t line = 3; line < kRacingLines; ++line) EXPECT_TRUE(track.l_waypoints[line].empty()) << line;
  EXPECT_EQ(track.l_pitwaypoints.size(), 1u);
}

TEST_F(TrackTest, EraseEmptiesEverything) {
  ASSERT_EQ(track_->LoadTrack("Ruze", 0), 1);
  track_->currentracingline = 3;
  track_->tile_level[0][1][1].life = 77;
  track_->EraseTrack();
  EXPECT_EQ(ParentCells(*track_, 1), 0);
  EXPECT_EQ(track_->tile_level[1][17][4].parentx, -1);
  EXPECT_EQ(track_->tile_level[0][1][1].life, 77);
  EXPECT_TRUE(track_->l_waylines.empty() && track_->l_pitwaypoints.empty() && track_->l_wallpoints.empty());
  EXPECT_EQ(track_->currentracingline, 0);
}

// The editor's checks before a save.
class SaveTrackTest : public TrackTest {
 protected:
  void SetUp() override {
    TrackTest::SetUp();
    ASSERT_EQ(track_->LoadTrack("Test_Track", 0), 1);
  }
};

TEST_F(SaveTrackTest, TwoStartGridsGiveOnlyTheGridWarningAndNothingIsWritten) {
  track_->tile_level[1][20][20] = {10, 0, -1, -1, 0};
  track_->l_waylines.clear();
  EXPECT_EQ(track_->SaveTrack("Twice"), 0);
  EXPECT_EQ(messages_, std::vector<std::string>{"CMESSAGE_EDITORWARNING_GRID"});
  EXPECT_EQ(FileType(save_ / "Tracks/Twice.trk"), 0);
}

TEST_F(SaveTrackTest, AMissingGridGivesTheGridWarning) {
  track_->tile_level[1][2][1].id = 0;
  EXPECT_EQ(track_->SaveTrack("NoGrid"), 0);
  EXPECT_EQ(messages_, std::vector<std::string>{"CMESSAGE_EDITORWARNING_GRID"});
}

TEST_F(SaveTrackTest, NoCheckpointsWarnsAndStillWrites) {
  track_->l_waylines.clear();
  EXPECT_EQ(track_->SaveTrack("Open"), 1);
  EXPECT_EQ(messages_, std::vector<std::string>{"CMESSAGE_EDITORWARNING_CHECKPOINTS"});
  EXPECT_EQ(save_.Read("Tracks/Open.trk").size(), 27272u - 13 * 24);
}

TEST_F(SaveTrackTest, EveryMissingPartWarnsInTurn) {
  for (TWayPointList& line : track_->l_waypoints) line.clear();
  track_->l_pitwaypoints.clear();
  track_->l_waylines.clear();
  EXPECT_EQ(track_->SaveTrack("Bare"), 1);
  EXPECT_EQ(messages_, (std::vector<std::string>{"CMESSAGE_EDITORWARNING_RACINGLINES", "CMESSAGE_EDITORWARNING_PITLANE",
                                                  "CMESSAGE_EDITORWARNING_CHECKPOINTS"}));
  TTrack again;
  ASSERT_EQ(again.LoadTrack("Bare", 0), 1);
  EXPECT_EQ(again.l_objects.size(), 21u);
  EXPECT_EQ(again.l_wallpoints.size(), 40u);
}

TEST_F(SaveTrackTest, SavingReplacesTheOldFile) {
  save_.Write("Tracks/Mine.trk", std::string(50000, 'x'));
  ASSERT_EQ(track_->SaveTrack("Mine"), 1);
  EXPECT_EQ(save_.Read("Tracks/Mine.trk"), EmbeddedBytes("Inc/Tracks/Test_Track.trk"));
  EXPECT_EQ(FileType(save_ / "Tracks/Mine.trk.part"), 0);
}

TEST_F(SaveTrackTest, NamesThatLeaveTheTracksFolderAreRefused) {
  for (const char* name : {"", "../Escape", "a/b", "..", "c\\d"}) {
    EXPECT_EQ(track_->SaveTrack(name), 0) << name;
  }
  EXPECT_EQ(FileType(save_ / "Escape.trk"), 0);
  EXPECT_EQ(track_->LoadTrack("../Tracks/Test_Track", 0), 0);
}

TEST_F(SaveTrackTest, AnUnwritableFolderLosesNothing) {
  save_.Write("Tracks/Keep.trk", "old");
  std::filesystem::permissions(save_ / "Tracks", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (FileType(save_ / "Tracks/probe") == 0 && WriteStream(save_ / "Tracks/probe")) GTEST_SKIP() << "running as a user who writes anywhere";
  EXPECT_EQ(track_->SaveTrack("Keep"), 0);
  EXPECT_EQ(save_.Read("Tracks/Keep.trk"), "old");
}

}  // namespace
