#include <gtest/gtest.h>

#include "platform/audio_driver.h"
#include "shell/asset_loaders.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "support/temp_folder.h"

namespace {

// A 2 x 1 picture, 24-bit BMP: the smallest real picture a test can write by hand.
std::string TinyBmp() {
  std::string bmp = "BM";
  auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 255); };
  auto put16 = [&](uint16_t v) { bmp += static_cast<char>(v & 255); bmp += static_cast<char>(v >> 8); };
  put32(54 + 8); put32(0); put32(54);
  put32(40); put32(2); put32(1); put16(1); put16(24); put32(0); put32(8); put32(2835); put32(2835); put32(0); put32(0);
  bmp += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);  // red, green, row padding
  return bmp;
}

// Loads from a data folder of the test's own, with the log captured.
class AssetLoaderTest : public testing::Test {
 protected:
  void SetUp() override {
    DataRoot = folder_.path();
    SetLogFilePath(folder_ / "test.log");
    SetLogging(1, [this](const std::string& text) { log_ += text; });
    log_.clear();
  }
  void TearDown() override {
    SetLogging(0);
    CloseLogFile();
    DataRoot.clear();
  }
  TempFolder folder_;
  std::string log_;
};

TEST_F(AssetLoaderTest, PresentPictureIsLoadedAndLogged) {
  folder_.Write("Media/Interface/Gold.png", TinyBmp());
  ImagePtr image = LoadImageChecked("Media/Interface/Gold.png");
  ASSERT_TRUE(image);
  EXPECT_EQ(ImageWidth(image.get()), 2);
  EXPECT_EQ(log_, "Loading image: " + (folder_ / "Media/Interface/Gold.png") + "\r\nImage loaded\r\n");
}

TEST_F(AssetLoaderTest, MissingFilesAreNamedAndGiveNull) {
  EXPECT_FALSE(LoadImageChecked("Media/Cars/Car_13.png"));
  EXPECT_FALSE(LoadPixmapChecked("Media/Tiles/Track/PatTrack_99.png"));
  EXPECT_FALSE(LoadSoundChecked("Media/Sounds/None.ogg", 0));
  EXPECT_FALSE(LoadAnimImageChecked("Media/Weapons/Bits.png", 4, 4, 0, 4));
  EXPECT_FALSE(LoadFontChecked("Fonts/none.ttf", 14, 4));
  const std::string root = folder_.path();
  EXPECT_EQ(log_, "WARNING! >>>>>>>>>>>> Cannot see image: " + root + "Media/Cars/Car_13.png\r\n"
                  "WARNING! >>>>>>>>>>>> Cannot see pixmap: " + root + "Media/Tiles/Track/PatTrack_99.png\r\n"
                  "WARNING! >>>>>>>>>>>> Cannot see sound: " + root + "Media/Sounds/None.ogg\r\n"
                  "WARNING! >>>>>>>>>>>> Cannot see anim image: " + root + "Media/Weapons/Bits.png\r\n"
                  "WARNING! >>>>>>>>>>>> Cannot see font: " + root + "Fonts/none.ttf\r\n");
}

TEST_F(AssetLoaderTest, UndecodableFilesAreReportedAsErrors) {
  SetAudioDriver("Null$$");
  for (const char* name : {"bad.png", "bad.ogg", "bad.ttf"}) folder_.Write(name, "not what it claims to be");
  EXPECT_FALSE(LoadImageChecked("bad.png"));
  EXPECT_FALSE(LoadSoundChecked("bad.ogg", 1));
  EXPECT_FALSE(LoadFontChecked("bad.ttf", 14, 4));
  const std::string root = folder_.path();
  EXPECT_EQ(log_, "Loading image: " + root + "bad.png\r\nERROR! >>>>>>>>>>>>>> Image could not be loaded: " + root +
                      "bad.png\r\n"
                      "Loading sound: " + root + "bad.ogg\r\nERROR! >>>>>>>>>>>>>> Sound could not be loaded: " + root +
                      "bad.ogg\r\n"
                      "Loading font: " + root + "bad.ttf\r\nERROR! >>>>>>>>>>>>>> Font could not be loaded: " + root +
                      "bad.ttf\r\n");
}

TEST_F(AssetLoaderTest, BuiltInFilesSkipThePresenceCheck) {
  EXPECT_FALSE(LoadImageChecked("incbin::Inc/NoSuch.png"));
  EXPECT_EQ(log_, "ERROR! >>>>>>>>>>>>>> Image could not be loaded: incbin::Inc/NoSuch.png\r\n");
}

TEST_F(AssetLoaderTest, AnimationFramesAreCutFromTheStrip) {
  folder_.Write("strip.bmp", TinyBmp());
  ImagePtr frames = LoadAnimImageChecked("strip.bmp", 1, 1, 0, 2);
  ASSERT_TRUE(frames);
  EXPECT_EQ(frames->FrameCount(), 2);
  EXPECT_NE(log_.find("Anim Image loaded\r\n"), std::string::npos);
}

}  // namespace
