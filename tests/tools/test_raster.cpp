// The raster library: what each file format keeps of a painted canvas, and that the same
// painting always gives the same bytes.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>

#include "raster/lettering.h"
#include "raster/painter.h"
#include "raster/picture_file.h"
#include "raster/png_file.h"
#include "support/temp_folder.h"

namespace {

using raster::Canvas;
using raster::PictureFormat;

// A 16 x 16 canvas: a soft-edged disc in the middle, the rest untouched.
Canvas Disc(const raster::Colour& colour) {
  Canvas canvas(16, 16);
  raster::Painter(canvas).Fill(raster::Circle({8, 8}, 5), colour);
  return canvas;
}

raster::PngPicture Reread(const Canvas& canvas, PictureFormat format, const TempFolder& folder) {
  std::string error;
  EXPECT_TRUE(raster::SavePicture(canvas, format, folder / "sub/picture.png", &error)) << error;
  raster::PngPicture picture;
  EXPECT_TRUE(raster::ReadPng(folder / "sub/picture.png", &picture, &error)) << error;
  return picture;
}

const uint8_t* PixelAt(const raster::PngPicture& p, int x, int y) {
  return &p.pixels[(size_t(y) * size_t(p.width) + size_t(x)) * size_t(p.channels)];
}

TEST(RasterFiles, MaskedPictureUsesTheMaskColourWhereUncoveredAndKeepsColourWhereCovered) {
  TempFolder folder;
  const raster::PngPicture picture = Reread(Disc(raster::Hex(0x20c040)), PictureFormat::kMasked, folder);
  ASSERT_EQ(picture.channels, 3);
  const uint8_t* corner = PixelAt(picture, 0, 0);
  EXPECT_EQ((std::array<int, 3>{corner[0], corner[1], corner[2]}), (std::array<int, 3>{255, 0, 255}));
  const uint8_t* middle = PixelAt(picture, 8, 8);
  EXPECT_EQ((std::array<int, 3>{middle[0], middle[1], middle[2]}), (std::array<int, 3>{0x20, 0xc0, 0x40}));
}

TEST(RasterFiles, MaskedPictureNeverPaintsTheMaskColourItself) {
  TempFolder folder;
  const raster::PngPicture picture = Reread(Disc(raster::Hex(0xff00ff)), PictureFormat::kMasked, folder);
  const uint8_t* middle = PixelAt(picture, 8, 8);
  EXPECT_FALSE(middle[0] == 255 && middle[1] == 0 && middle[2] == 255) << "a painted pixel would turn transparent";
}

TEST(RasterFiles, RgbaPictureKeepsSoftEdgesAndBlackWhereTransparent) {
  TempFolder folder;
  const raster::PngPicture picture = Reread(Disc(raster::Hex(0xffffff)), PictureFormat::kRgba, folder);
  ASSERT_EQ(picture.channels, 4);
  EXPECT_EQ(PixelAt(picture, 0, 0)[3], 0);
  EXPECT_EQ(PixelAt(picture, 0, 0)[0], 0) << "transparent pixels must bring no colour when filtered";
  EXPECT_EQ(PixelAt(picture, 8, 8)[3], 255);
  int partial = 0;
  for (int x = 0; x < 16; ++x) {
    const int a = PixelAt(picture, x, 8)[3];
    if (a > 0 && a < 255) ++partial;
  }
  EXPECT_GE(partial, 2) << "the disc's edge should be anti-aliased";
}

TEST(RasterFiles, LightOnTransparentGetsAlphaToShowInEitherBlend) {
  // Glows are painted as light; a pixel lit only in blue must still be visible with alpha.
  Canvas canvas(4, 4);
  canvas.Blend(1, 1, raster::Hex(0x0000ff), 0.5f, raster::Blend::kAdd);
  canvas.Blend(1, 1, raster::Hex(0x0000ff), 0.25f, raster::Blend::kAdd);
  EXPECT_NEAR(canvas.at(1, 1).b, 0.75f, 1e-6);
  EXPECT_GE(canvas.at(1, 1).a, canvas.at(1, 1).b);
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(RasterFiles, SamePaintingGivesSameBytesInEveryFormat) {
  TempFolder folder;
  Canvas canvas(40, 30);
  const raster::Painter p(canvas);
  p.Fill(raster::TextShape("QX 7", {2, 4}, 12, 2), raster::Hex(0x40a0ff));
  p.Glow(raster::Circle({30, 20}, 4), raster::Hex(0xff8000), 6);
  for (const char* name : {"rgba", "masked", "opaque", "jpeg"}) {
    PictureFormat format;
    ASSERT_TRUE(raster::ParsePictureFormat(name, &format));
    std::string error;
    ASSERT_TRUE(raster::SavePicture(canvas, format, folder / "a", &error)) << error;
    ASSERT_TRUE(raster::SavePicture(canvas, format, folder / "b", &error)) << error;
    EXPECT_FALSE(Bytes(folder / "a").empty());
    EXPECT_EQ(Bytes(folder / "a"), Bytes(folder / "b")) << name;
  }
}

TEST(RasterFiles, UnwritablePathFailsWithAReason) {
  TempFolder folder;
  folder.Write("file", "x");
  std::string error;
  EXPECT_FALSE(raster::SavePicture(Canvas(2, 2), PictureFormat::kRgba, folder / "file/inside.png", &error));
  EXPECT_NE(error.find("inside.png"), std::string::npos);
  EXPECT_FALSE(raster::SavePicture(Canvas(2, 2), PictureFormat::kJpeg, folder / "file/inside.jpg", &error));
}

TEST(RasterLettering, UnknownCharactersTakeTheRoomOfASpace) {
  EXPECT_FLOAT_EQ(raster::TextWidth("A#B", 12), raster::TextWidth("A B", 12));
  EXPECT_FLOAT_EQ(raster::TextWidth("abc", 12), raster::TextWidth("ABC", 12));
  EXPECT_FLOAT_EQ(raster::TextWidth("", 12), 0.0f);
}

}  // namespace
