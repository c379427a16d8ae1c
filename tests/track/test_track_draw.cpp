// The track drawn in a real window (Xvfb and Mesa's software renderer under make test):
// where tiles land at a zoom, where the background grid starts at a fractional view, which
// wall points are joined, and what the mini map and the nearest-object search give.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "built_in_files.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/render_driver.h"
#include "shell/game_state.h"
#include "track/tile_names.h"
#include "track/tile_set.h"
#include "track/track.h"
#include "track/track_look.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

struct Box {
  int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
};

// The smallest rectangle holding every pixel with some green (the pit-lane tile and the
// white walls have it; the red track colour of the grid has none).
Box GreenBox() {
  const TPixmap screen = GrabPixmap(0, 0, kWidth, kHeight);
  Box box;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (((screen.ReadPixel(x, y) >> 8) & 255) == 0) continue;
      box.minX = std::min(box.minX, x);
      box.maxX = std::max(box.maxX, x);
      box.minY = std::min(box.minY, y);
      box.maxY = std::max(box.maxY, y);
    }
  }
  return box;
}

int Channel(int x, int y, int shift) { return int((GrabPixmap(x, y, 1, 1).ReadPixel(0, 0) >> shift) & 255); }
int Red(int x, int y) { return Channel(x, y, 16); }
int Green(int x, int y) { return Channel(x, y, 8); }

ImagePtr Solid(int w, int h) {
  TPixmap pixmap(w, h, kPixelRGBA8888);
  pixmap.ClearPixels(0xFFFFFFFFu);
  return LoadImage(pixmap, 0);
}

class TrackDrawing : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterBuiltInFiles();
    opened_ = Graphics(kWidth, kHeight, 0, 0) == 1;
  }
  static void TearDownTestSuite() { EndGraphics(); }

  void SetUp() override {
    if (!opened_) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
    ResetDrawState(kWidth, kHeight);
    SetClsColor(0, 0, 0);
    Cls();
    ScreenW = kWidth;
    ScreenH = kHeight;
    DetailLevel = 0;
    DebugMode = 0;
    RaceType = 1;
    CameraX = CameraY = 0;
    // Tile 17, the pit lane, is drawn green; every other tile has no picture here.
    tiles_ = std::make_shared<TTileSet>();
    for (int k = 0; k <= kPitLaneTile; ++k) {
      tiles_->tracktile_array.push_back(std::make_unique<TTile>());
      tiles_->tracktile_array.back()->id = k;
    }
    tiles_->tracktile_array[kPitLaneTile]->img = Solid(512, 512);
    track_.tileset = tiles_;
    track_.s_Colour = "$FFFF0000";
  }
  void TearDown() override { TrackLook = TTrackLook{}; }

  static bool opened_;
  std::shared_ptr<TTileSet> tiles_;
  TTrack track_;
};

bool TrackDrawing::opened_ = false;

struct TilePlace {
  int cellX, cellY;
  float scale;
  float camera, previous, tween;
  int rotation;
  Box expected;
};

TEST_F(TrackDrawing, ABigTileIsCentredOnItsCellsAtTheZoomAndTheTweenedView) {
  const TilePlace cases[] = {
      // 2 x 2 at scale 0.5 in cell (3, 4), view (0, 0): centred at (512, 640), 256 pixels across.
      {3, 4, 0.5f, 0, 0, 1, 0, {384, 512, 639, 767}},
      // Turned a quarter it covers the same square.
      {3, 4, 0.5f, 0, 0, 1, 90, {384, 512, 639, 767}},
      // Scale 1 in cell (0, 0), the view half way from 0 to 100: at (50, 50), 512 across.
      {0, 0, 1.0f, 100, 0, 0.5f, 0, {50, 50, 561, 561}},
  };
  for (const TilePlace& c : cases) {
    Cls();
    track_.EraseTrack();
    TTileData& cell = track_.tile_level[1][size_t(c.cellX)][size_t(c.cellY)];
    cell.id = kPitLaneTile;
    cell.rotation = c.rotation;
    track_.scale = c.scale;
    track_.tilesize = track_.mastertilesize * c.scale;
    CameraX = CameraY = c.camera;
    track_.prevcamerax = track_.prevcameray = c.previous;
    track_.Draw(c.tween);
    const Box box = GreenBox();
    const std::string what = "cell " + std::to_string(c.cellX) + "," + std::to_string(c.cellY) + " scale " +
                             std::to_string(c.scale) + " rotation " + std::to_string(c.rotation);
    EXPECT_EQ(box.minX, c.expected.minX) << what;
    EXPECT_EQ(box.minY, c.expected.minY) << what;
    EXPECT_EQ(box.maxX, c.expected.maxX) << what;
    EXPECT_EQ(box.maxY, c.expected.maxY) << what;
    // Drawing puts the picture's handle back where it was.
    EXPECT_EQ(tiles_->tracktile_array[kPitLaneTile]->img->handle_x, 0.0f) << what;
  }
}

TEST_F(TrackDrawing, ThePitLaneTileIsGreyInEliminatorAndTheOthersTakeTheTrackColour) {
  track_.tile_level[1][0][0].id = kPitLaneTile;
  RaceType = 3;
  track_.Draw(1);
  EXPECT_EQ(Green(250, 250), 128);
  EXPECT_EQ(Red(250, 250), 128) << "between the grid lines";
  Cls();
  tiles_->tracktile_array[2]->img = Solid(256, 256);
  track_.tile_level[1][0][0].id = 2;
  track_.Draw(1);
  EXPECT_EQ(Red(120, 120), 255);
  EXPECT_EQ(Green(120, 120), 0);
}

// The vertical lines a row between two horizontal lines crosses.
std::vector<int> LitColumns(int y) {
  const TPixmap row = GrabPixmap(0, y, kWidth, 1);
  std::vector<int> columns;
  for (int x = 0; x < kWidth; ++x) {
    if ((row.ReadPixel(x, 0) >> 16 & 255) > 0) columns.push_back(x);
  }
  return columns;
}

TEST_F(TrackDrawing, TheBackgroundGridFollowsTheViewByWholePixels) {
  // Int(-37.5 mod 32) is -5: the first line is off the window, the next at 27.
  CameraX = -37.5f;
  track_.prevcamerax = -37.5f;
  track_.Draw(1);
  const std::vector<int> columns = LitColumns(10);
  ASSERT_FALSE(columns.empty());
  EXPECT_EQ(columns.front(), 27);
  EXPECT_EQ(columns[1], 59);
  EXPECT_EQ(columns.size(), size_t((kWidth - 27 + 31) / 32));
  // Low detail draws the grid at half alpha.
  EXPECT_NEAR(Red(27, 10), 127, 1);
  Cls();
  CameraX = track_.prevcamerax = 40.0f;
  track_.Draw(1);
  EXPECT_EQ(LitColumns(10).front(), 8);
}

TEST_F(TrackDrawing, WallPointsWithIdZeroOrOneStartANewWall) {
  const int ids[] = {1, 2, 3, 0, 5, 6};
  const int xs[] = {100, 200, 200, 400, 500, 500};
  const int ys[] = {100, 100, 200, 100, 100, 200};
  for (int i = 0; i < 6; ++i) track_.l_wallpoints.push_back(TWayPoint::Create(ids[i], xs[i], ys[i]));
  track_.Draw(1);
  EXPECT_EQ(Green(150, 100), 255) << "1-2";
  EXPECT_EQ(Green(200, 150), 255) << "2-3";
  EXPECT_EQ(Green(450, 100), 255) << "0-5";
  EXPECT_EQ(Green(500, 150), 255) << "5-6";
  EXPECT_EQ(Green(300, 150), 0) << "3-0 is not a wall";
}

TEST_F(TrackDrawing, HighDetailDrawsGlowLinesInTheTrackAndWallColours) {
  TPixmap glowPixels(64, 32, kPixelRGBA8888);
  glowPixels.ClearPixels(0xFFFFFFFFu);
  ImagePtr glow = LoadImage(glowPixels, 0);
  TrackLook.glow = glow.get();
  TrackLook.wallColour = "$FF00C8FF";
  DetailLevel = 1;
  track_.l_wallpoints = {TWayPoint::Create(1, 300, 300), TWayPoint::Create(2, 700, 300)};
  track_.Draw(1);
  // A 13-wide line reaches 13 pixels either side of x = 32.
  EXPECT_EQ(Red(32 + 10, 16), 255);
  EXPECT_EQ(Green(32 + 10, 16), 0);
  // The wall, 50 wide, in the wall colour (on top of the red grid, added).
  EXPECT_EQ(Green(500, 300 + 40), 200);
  EXPECT_EQ(Green(500, 300 + 60), 0);
}

TEST_F(TrackDrawing, TheRaceMapDrawsEachTilesMiniPictureFromTheMapOffset) {
  ShowMap = 1;
  tiles_->tracktile_array[0]->imgmini = Solid(16, 16);
  tiles_->tracktile_array[kPitLaneTile]->imgmini = Solid(32, 32);
  track_.tile_level[1][2][3].id = kPitLaneTile;
  track_.tile_level[1][5][3].id = 4;  // no mini picture of its own: the first tile's
  track_.UpdateMapExtent();
  EXPECT_EQ(track_.mapoffsetx, 10 - 2 * 16);
  SetBlend(kBlendLight);
  track_.DrawMiniMap(0);
  // Alpha 0.2 of white.
  EXPECT_NEAR(Green(10 + 16, 10 + 16), 51, 1);
  EXPECT_EQ(Green(10 + 32, 10), 0);
  EXPECT_NEAR(Green(10 + 3 * 16 + 8, 10 + 8), 51, 1);
  Cls();
  ShowMap = 0;
  track_.DrawMiniMap(0);
  EXPECT_EQ(Green(10 + 16, 10 + 16), 0) << "the map option is off";
}

TEST(ClosestObject, IsTheFirstNearestOneCountedFromOneOrNoneForNoObjects) {
  TTrack track;
  EXPECT_EQ(track.GetClosestOb(0, 0), -1);
  track.l_objects = {{0, 0, 100, 100, 0}, {1, 0, 300, 100, 0}, {2, 0, 100, 100, 0}};
  EXPECT_EQ(track.GetClosestOb(110, 100), 1) << "a tie goes to the first";
  EXPECT_EQ(track.GetClosestOb(290, 90), 2);
}

TEST(TrackColourNumber, IsTheColourTextAsAnInteger) {
  EXPECT_EQ(ColourTextToArgb("$FFFF0000"), 0xFFFF0000u);
  EXPECT_EQ(ColourTextToArgb("$ff00c8ff"), 0xFF00C8FFu);
  EXPECT_EQ(ColourTextToArgb(""), 0u);
  EXPECT_EQ(ColourTextToArgb("FF00FF00"), 0u);
  EXPECT_EQ(ColourTextToArgb("$FFzz0000"), 0u);
}

}  // namespace
