#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

#include "png_reader.h"
#include "support/temp_folder.h"
#include "track/tile_names.h"

namespace {

const std::string kMedia = std::string(QX_GAME_DIR) + "/Media/Tiles/";

TEST(TileNamesTest, OnlyPicturesWithoutCompanionMarksAreTiles) {
  TempFolder folder;
  for (const char* name : {"A.png", "MiniA.png", "PatA.png", "notes.txt", "B.PNG", "XPatB.png", "spatial.png", "C.png.bak", "Z.png"}) {
    folder.Write(name, "x");
  }
  EXPECT_EQ(ListTilePictures(folder.path()), (std::vector<std::string>{"A.png", "Z.png", "spatial.png"}));
  EXPECT_EQ(PatternName("A.png"), "PatA.png");
  EXPECT_EQ(MiniName("A.png"), "MiniA.png");
  EXPECT_TRUE(ListTilePictures(folder / "missing/").empty());
}

TEST(TileMediaTest, TrackTilesAreNumberedAsTheTracksExpect) {
  const std::vector<std::string> tiles = ListTilePictures(kMedia + "Track/");
  ASSERT_GE(tiles.size(), 18u);
  EXPECT_EQ(tiles[0], "Track_01.png");
  EXPECT_EQ(tiles[9], kGridTileNames[0]);
  EXPECT_EQ(tiles[10], kGridTileNames[1]);
  EXPECT_EQ(tiles[11], kGridTileNames[2]);
  EXPECT_EQ(tiles[kPitLaneTile], "Track_18.png");
  EXPECT_GE(ListTilePictures(kMedia + "Objects/").size(), 3u);
}

// Every track tile covers whole cells, its pattern holds only the four ground colours and its
// minimap picture has 16 pixels per cell.
TEST(TileMediaTest, EachTrackTileHasItsPatternAndMiniPicture) {
  for (const std::string& tile : ListTilePictures(kMedia + "Track/")) {
    const Picture picture = ReadPicture(kMedia + "Track/" + tile);
    const Picture pattern = ReadPicture(kMedia + "Track/" + PatternName(tile));
    const Picture mini = ReadPicture(kMedia + "Track/" + MiniName(tile));
    ASSERT_TRUE(picture.ok() && pattern.ok() && mini.ok()) << tile;
    EXPECT_EQ(picture.width % 256, 0) << tile;
    EXPECT_EQ(picture.width, picture.height) << tile;
    EXPECT_EQ(pattern.width, picture.width) << tile;
    EXPECT_EQ(pattern.height, picture.height) << tile;
    EXPECT_EQ(mini.width, picture.width / 16) << tile;
    std::set<uint32_t> colours;
    for (int y = 0; y < pattern.height; ++y) {
      for (int x = 0; x < pattern.width; ++x) {
        const uint8_t* p = pattern.At(x, y);
        colours.insert(static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2]);
      }
    }
    for (uint32_t colour : colours) {
      EXPECT_TRUE(colour == 0x000000 || colour == 0x808080 || colour == 0xff0000 || colour == 0x00ff00)
          << tile << " has colour " << std::hex << colour;
    }
  }
}

TEST(TileMediaTest, ThePitLaneTileIsPitLaneAndTheGridsAreRoad) {
  const Picture pit = ReadPicture(kMedia + "Track/PatTrack_18.png");
  ASSERT_TRUE(pit.ok());
  EXPECT_EQ(pit.At(128, 128)[1], 255);
  EXPECT_EQ(pit.At(128, 128)[0], 0);
  for (const char* grid : kGridTileNames) {
    const Picture pattern = ReadPicture(kMedia + "Track/Pat" + grid);
    ASSERT_TRUE(pattern.ok());
    for (const auto& [x, y] : {std::pair{208, 81}, {144, 177}, {80, 81}, {16, 177}}) {
      EXPECT_EQ(pattern.At(x, y)[0], 128) << grid << " place at " << x << "," << y;
    }
  }
}

TEST(TileMediaTest, TheGeneratorGivesTheSameFilesEveryRun) {
  TempFolder out;
  const std::string command = std::string(QX_MAKE_TILES) + " " + out.path() + "Tiles";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* file : {"Track/Track_03.png", "Track/PatTrack_13.png", "Track/MiniTrack_10.png", "Objects/Object_01.png"}) {
    TempFolder reader;
    std::ifstream built(kMedia + file, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(built)), std::istreambuf_iterator<char>());
    EXPECT_FALSE(expected.empty()) << file;
    EXPECT_EQ(out.Read(std::string("Tiles/") + file), expected) << file;
  }
}

}  // namespace
