#include <set>

#include "track_fixture.h"

namespace {

// The zoom and camera step, with a player ship at a fixed place and keys held on demand.
class TrackViewTest : public TrackTest {
 protected:
  void SetUp() override {
    TrackTest::SetUp();
    UpdatesPerSecond = 60;
    GameSpeed = 60;  // a step factor of 1
    ScreenW = 801;
    ScreenH = 600;
    ViewSize = 3;
    BombZoom = 1;
    BombZoomEnd = 0;
    DebugMode = 0;
    GameTime = 10000;
    track_->hooks.playerShipPosition = [this](float& x, float& y) {
      x = shipX_;
      y = shipY_;
      return hasShip_;
    };
    track_->hooks.keyDown = [this](int key) { return keys_.count(key) > 0; };
    track_->hooks.controlDown = [this](int control) { return controls_.count(control) > 0; };
  }
  void TearDown() override {
    UpdatesPerSecond = GameSpeed = 10;
    ScreenW = 800;
    GameTime = 0;
    ViewSize = 3;
    TrackTest::TearDown();
  }
  void Steps(int count) {
    for (int i = 0; i < count; ++i) track_->UpdateTrackScale();
  }

  float shipX_ = 1000, shipY_ = 500;
  bool hasShip_ = true;
  std::set<int> keys_, controls_;
};

TEST_F(TrackViewTest, TheEditorAlwaysViewsAtScaleOne) {
  for (int mode : {1, 4}) {
    track_->mode = mode;
    track_->scale = 0.3f;
    track_->UpdateTrackScale();
    EXPECT_FLOAT_EQ(track_->scale, 1.0f) << mode;
    EXPECT_FLOAT_EQ(track_->tilesize, 256.0f) << mode;
  }
}

TEST_F(TrackViewTest, TheRaceZoomApproachesTheViewOption) {
  const struct {
    int view;
    float zoom;
  } cases[] = {{1, 1.5f}, {2, 1.25f}, {3, 1.0f}, {4, 0.8f}, {5, 0.6f}, {0, 1.0f}, {7, 1.0f}};
  track_->mode = 2;
  track_->racestatus = 1;
  for (const auto& c : cases) {
    ViewSize = c.view;
    Steps(200);
    EXPECT_NEAR(track_->scale, c.zoom, 0.02f) << c.view;
    EXPECT_FLOAT_EQ(track_->tilesize, 256.0f * track_->scale);
  }
  // Within the margin the scale rests.
  ViewSize = 3;
  track_->scale = 1.015f;
  Steps(1);
  EXPECT_FLOAT_EQ(track_->scale, 1.015f);
}

TEST_F(TrackViewTest, TheStartSequenceZoomsOutThenBackIn) {
  track_->mode = 2;
  track_->racestatus = 0;
  track_->gridstarttime = GameTime;
  track_->scale = 1.0f;
  Steps(1);
  EXPECT_FLOAT_EQ(track_->scale, 0.2f);
  GameTime += 1000;
  Steps(10);
  EXPECT_FLOAT_EQ(track_->scale, 0.2f);
  GameTime += 1500;
  Steps(10);
  EXPECT_NEAR(track_->scale, 0.25f, 1e-4f);
}

TEST_F(TrackViewTest, ABombBlastPullsTheViewOutWhileTheOptionIsOn) {
  track_->mode = 2;
  track_->racestatus = 1;
  BombZoomEnd = GameTime + 5000;
  Steps(100);
  EXPECT_NEAR(track_->scale, 0.4f, 0.02f);
  BombZoom = 0;
  Steps(100);
  EXPECT_NEAR(track_->scale, 1.0f, 0.02f);
}

TEST_F(TrackViewTest, F1InDebugModeZoomsRightOut) {
  track_->mode = 2;
  track_->racestatus = 1;
  keys_ = {112};
  Steps(1);
  EXPECT_NEAR(track_->scale, 1.0f, 0.001f);
  DebugMode = 1;
  Steps(1);
  EXPECT_FLOAT_EQ(track_->scale, 0.2f);
  DebugMode = 0;
}

TEST_F(TrackViewTest, ARaceCentresThePlayersShip) {
  track_->mode = 3;
  track_->racestatus = 1;
  CameraX = 5;
  CameraY = 6;
  Steps(1);
  EXPECT_FLOAT_EQ(CameraX, 400 - 1000);
  EXPECT_FLOAT_EQ(CameraY, 300 - 500);
  EXPECT_FLOAT_EQ(track_->prevcamerax, 5);
  EXPECT_FLOAT_EQ(track_->prevcameray, 6);
  hasShip_ = false;
  Steps(1);
  EXPECT_FLOAT_EQ(CameraX, 400);
  EXPECT_FLOAT_EQ(CameraY, 300);
}

TEST_F(TrackViewTest, TheEditorScrollsWithArrowsOrBoundControlsWithinTheGrid) {
  track_->mode = 1;
  CameraX = -100;
  CameraY = -100;
  keys_ = {39};       // right arrow
  controls_ = {2};    // accelerate: up
  Steps(1);
  EXPECT_FLOAT_EQ(CameraX, -116);
  EXPECT_FLOAT_EQ(CameraY, -84);
  keys_ = {37, 38};
  controls_.clear();
  track_->editing = 1;
  Steps(10);
  EXPECT_FLOAT_EQ(CameraX, 0);
  EXPECT_FLOAT_EQ(CameraY, 0);
  CameraX = -99999;
  CameraY = -99999;
  keys_.clear();
  Steps(1);
  EXPECT_FLOAT_EQ(CameraX, 801 - 30 * 256.0f);
  EXPECT_FLOAT_EQ(CameraY, 600 - 24 * 256.0f);
}

TEST_F(TrackViewTest, TheEditorWithItsPanelsLeavesTheCamera) {
  track_->mode = 4;
  CameraX = -300;
  keys_ = {37};
  Steps(1);
  EXPECT_FLOAT_EQ(CameraX, -300);
}

}  // namespace
