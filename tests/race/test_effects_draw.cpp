// The effects drawn in a real window (Xvfb and Mesa's software renderer under make test):
// an explosion lights up where the camera puts it, a dim star is a grey point where the
// scroll wraps it, and a message is drawn at its fading alpha.
#include <algorithm>
#include <filesystem>

#include "effects_fixture.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/pixmap_codecs.h"
#include "platform/render_driver.h"
#include "race/star_field.h"
#include "support/temp_folder.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

struct Rgb {
  int r, g, b;
};

Rgb ScreenPixel(int x, int y) {
  const uint32_t p = GrabPixmap(x, y, 1, 1).ReadPixel(0, 0);
  return {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
}

struct Box {
  int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
  bool Empty() const { return maxX < 0; }
};

Box LitBox() {
  const TPixmap screen = GrabPixmap(0, 0, kWidth, kHeight);
  Box box;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if ((screen.ReadPixel(x, y) & 0xFFFFFF) == 0) continue;
      box.minX = std::min(box.minX, x);
      box.maxX = std::max(box.maxX, x);
      box.minY = std::min(box.minY, y);
      box.maxY = std::max(box.maxY, y);
    }
  }
  return box;
}

class EffectsDrawing : public EffectsTest {
 protected:
  static void SetUpTestSuite() { opened_ = Graphics(kWidth, kHeight, 0, 0) == 1 && !HeadlessGraphics(); }
  static void TearDownTestSuite() { EndGraphics(); }

  void SetUp() override {
    if (!opened_) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
    EffectsTest::SetUp();
    ResetDrawState(kWidth, kHeight);
    SetClsColor(0, 0, 0);
    Cls();
  }

  static bool opened_;
};

bool EffectsDrawing::opened_ = false;

TEST_F(EffectsDrawing, AnExplosionShowsAtItsWorldPositionPlusTheCamera) {
  TempFolder data;
  TPixmap white(8, 8, kPixelRGBA8888);
  white.ClearPixels(0xFFFFFFFFu);
  std::filesystem::create_directories(data / "Media/Weapons");
  ASSERT_EQ(SavePixmapPNG(white, data / "Media/Weapons/Spark.png"), 1);
  const std::string savedRoot = DataRoot;
  DataRoot = data.path();
  TParticle::SetUpParticleImage();
  DataRoot = savedRoot;
  ASSERT_NE(TParticle::img_Spark, nullptr);

  CameraX = 100;
  CameraY = 50;
  TParticle::Explosion(300, 250, "$FFFF0000", 2, 1);
  TParticle::DrawParticlesAll(1);
  const Rgb centre = ScreenPixel(400, 300);
  EXPECT_GT(centre.r, 200) << "the sparks add up in red";
  EXPECT_EQ(centre.g, 0);
  const Box lit = LitBox();
  ASSERT_FALSE(lit.Empty());
  // Sparks of 8 pixels scaled 1.5 to 3, turned, centred on the burst.
  EXPECT_GE(lit.minX, 400 - 18);
  EXPECT_LE(lit.maxX, 400 + 18);
  EXPECT_GE(lit.minY, 300 - 18);
  EXPECT_LE(lit.maxY, 300 + 18);
  TParticle::img_Spark.reset();
}

TEST_F(EffectsDrawing, ADimStarIsAGreyPointWrappedRoundTheScreen) {
  SetBlend(kBlendSolid);
  const Star star = Star::Create(100, 50, 1, 127);
  star.render(1000, 0);
  // 100 + 1000 wraps to 460 across a 640-pixel window, counted from the right.
  const Rgb point = ScreenPixel(kWidth - 460, kHeight - 50);
  EXPECT_NEAR(point.r, 127, 1);
  EXPECT_NEAR(point.g, 127, 1);
  const Box lit = LitBox();
  EXPECT_EQ(lit.maxX - lit.minX, 0);
  EXPECT_EQ(lit.maxY - lit.minY, 0);
}

TEST_F(EffectsDrawing, AMessageIsInvisibleAsItStartsAndShowsOnceFadedIn) {
  SetBlend(kBlendAlpha);
  TScreenMessage::Create(320, 240, "GO!", 1000, 2);
  TScreenMessage::DrawAll();
  EXPECT_TRUE(LitBox().Empty()) << "alpha 0 at its start";
  GameTime = 500;
  TScreenMessage::DrawAll();
  const Box lit = LitBox();
  ASSERT_FALSE(lit.Empty());
  EXPECT_LT(lit.minX, 320);
  EXPECT_GT(lit.maxX, 320) << "centred on its position";
}

}  // namespace
