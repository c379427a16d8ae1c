// Loading a tile folder: which files become tiles, their numbering and palette places, and
// the companions a track tile gets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/pixmap.h"
#include "platform/pixmap_codecs.h"
#include "shell/game_state.h"
#include "support/temp_folder.h"
#include "track/tile_set.h"

namespace {

void WritePicture(const TempFolder& folder, const std::string& name, int w, int h) {
  TPixmap pixmap(w, h, kPixelRGBA8888);
  pixmap.ClearPixels(0xFF808080u);
  ASSERT_EQ(SavePixmapPNG(pixmap, folder / name), 1) << name;
}

class TileFolder : public testing::Test {
 protected:
  void SetUp() override {
    saved_w_ = ScreenW;
    saved_h_ = ScreenH;
    ScreenW = 800;
    // Two palette rows a column: 192 / 64 - 1.
    ScreenH = 192;
    // Written out of order: the listing, not the writing, numbers them.
    WritePicture(folder_, "B.png", 32, 16);
    WritePicture(folder_, "A.png", 64, 32);
    WritePicture(folder_, "MiniA.png", 4, 2);
    WritePicture(folder_, "PatA.png", 64, 32);
    WritePicture(folder_, "D.png", 8, 8);
    WritePicture(folder_, "RoadPatch.png", 8, 8);  // "Pat" in the middle: a companion name
    WritePicture(folder_, "TheMiniOne.png", 8, 8);
    WritePicture(folder_, "E.PNG", 8, 8);  // the ending is case-sensitive too
    folder_.Write("notes.txt", "not a picture");
    folder_.Write("C.png.bak", "not a picture either");
  }
  void TearDown() override {
    ScreenW = saved_w_;
    ScreenH = saved_h_;
  }

  TempFolder folder_;
  int saved_w_ = 0, saved_h_ = 0;
};

TEST_F(TileFolder, TakesPicturesInNameOrderAndSkipsCompanionsAndOtherFiles) {
  TTileSet set;
  set.LoadTiles(folder_.path(), set.tracktile_array, 0);
  std::vector<std::string> names;
  for (const auto& tile : set.tracktile_array) names.push_back(tile->name);
  EXPECT_EQ(names, (std::vector<std::string>{"A.png", "B.png", "D.png"}));
  for (size_t k = 0; k < set.tracktile_array.size(); ++k) {
    const TTile& tile = *set.tracktile_array[k];
    EXPECT_EQ(tile.id, int(k)) << tile.name;
    EXPECT_EQ(tile.setPosX, 800 - 64) << tile.name;
    ASSERT_TRUE(tile.img) << tile.name;
    EXPECT_FALSE(tile.imgmini) << "no companions without extras: " << tile.name;
    EXPECT_FALSE(tile.imgpat) << "no companions without extras: " << tile.name;
  }
  // Two to a column, so the third starts the next one at the top again.
  EXPECT_EQ(set.tracktile_array[0]->setPosY, 64);
  EXPECT_EQ(set.tracktile_array[1]->setPosY, 128);
  EXPECT_EQ(set.tracktile_array[2]->setPosY, 64);
  EXPECT_EQ(ImageWidth(set.tracktile_array[0]->img.get()), 64);
  EXPECT_EQ(ImageHeight(set.tracktile_array[1]->img.get()), 16);
}

TEST_F(TileFolder, WithExtrasATileGetsItsMiniPictureAndPattern) {
  TTileSet set;
  set.LoadTiles(folder_.path(), set.tracktile_array, 1);
  ASSERT_EQ(set.tracktile_array.size(), 3u);
  const TTile& a = *set.tracktile_array[0];
  ASSERT_TRUE(a.imgmini);
  EXPECT_EQ(ImageWidth(a.imgmini.get()), 4);
  ASSERT_TRUE(a.imgpat);
  EXPECT_EQ(a.imgpat->width, 64);
  EXPECT_EQ(a.imgpat->ReadPixel(10, 10) & 0xFFFFFF, 0x808080u);
  // A missing companion is a null handle, and the tile is still there.
  const TTile& b = *set.tracktile_array[1];
  EXPECT_TRUE(b.img);
  EXPECT_FALSE(b.imgmini);
  EXPECT_FALSE(b.imgpat);
}

TEST_F(TileFolder, AnotherArrayIsNumberedFromZeroAndAMissingFolderAddsNothing) {
  TTileSet set;
  set.LoadTiles(folder_.path(), set.tracktile_array, 1);
  set.LoadTiles(folder_.path(), set.objecttile_array, 0);
  EXPECT_EQ(set.objecttile_array.front()->id, 0);
  set.LoadTiles(folder_ / "no such folder/", set.objecttile_array, 0);
  EXPECT_EQ(set.objecttile_array.size(), 3u);
}

TEST_F(TileFolder, AWindowTooShortForAPaletteRowStillNumbersEveryTile) {
  ScreenH = 100;
  TTileSet set;
  set.LoadTiles(folder_.path(), set.tracktile_array, 0);
  ASSERT_EQ(set.tracktile_array.size(), 3u);
  EXPECT_EQ(set.tracktile_array[2]->id, 2);
  EXPECT_EQ(set.tracktile_array[2]->setPosY, 64);
}

}  // namespace
