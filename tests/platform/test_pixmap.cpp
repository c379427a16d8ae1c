#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/pixmap_codecs.h"
#include "support/temp_folder.h"

namespace {

TPixmap Pattern(int format) {
  TPixmap pixmap(5, 3, format);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) pixmap.WritePixel(x, y, 0x80000000u | uint32_t(x * 50) << 16 | uint32_t(y * 100) << 8 | 7u);
  }
  return pixmap;
}

// A bottom-up 24-bit Windows bitmap, rows padded to four bytes.
std::vector<uint8_t> Bmp24(int width, int height, uint32_t (*colour)(int x, int y)) {
  const int stride = (width * 3 + 3) / 4 * 4;
  std::vector<uint8_t> b(54 + size_t(stride * height), 0);
  auto put32 = [&](size_t at, uint32_t v) { for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i)); };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, uint32_t(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(width));
  put32(22, uint32_t(height));
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      uint8_t* p = &b[54 + size_t((height - 1 - y) * stride + x * 3)];
      p[0] = uint8_t(c);
      p[1] = uint8_t(c >> 8);
      p[2] = uint8_t(c >> 16);
    }
  }
  return b;
}

std::vector<uint8_t> JpegOfGrey(int width, int height, int grey) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(size_t(width) * 3, uint8_t(grey));
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

}  // namespace

TEST(Pixmap, ReadPixelGivesArgbWithOpaqueAlphaWithoutAChannel) {
  TPixmap rgb(2, 2, kPixelRGB888);
  rgb.WritePixel(1, 0, 0x12345678u);
  EXPECT_EQ(rgb.ReadPixel(1, 0), 0xFF345678u);
  TPixmap rgba(2, 2, kPixelRGBA8888);
  rgba.WritePixel(0, 1, 0x12345678u);
  EXPECT_EQ(rgba.ReadPixel(0, 1), 0x12345678u);
  EXPECT_EQ(rgba.ReadPixel(2, 0), 0u) << "outside the picture";
  EXPECT_EQ(rgba.ReadPixel(-1, 0), 0u);
}

TEST(Pixmap, PngRoundTripKeepsEveryPixelAtEachCompressionLevel) {
  for (int format : {kPixelRGB888, kPixelRGBA8888}) {
    const TPixmap original = Pattern(format);
    for (int level : {0, 5, 9}) {
      const PixmapPtr back = DecodePixmap(EncodePng(original, level));
      ASSERT_TRUE(back);
      ASSERT_EQ(back->format, format);
      EXPECT_EQ(back->pixels, original.pixels) << "level " << level;
    }
  }
}

TEST(Pixmap, SavedPngLoadsBackFromAFile) {
  TempFolder folder;
  const TPixmap original = Pattern(kPixelRGBA8888);
  ASSERT_EQ(SavePixmapPNG(original, folder.path() + "shot.png", 5), 1);
  const PixmapPtr back = LoadPixmap(folder.path() + "shot.png");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixels, original.pixels);
  EXPECT_EQ(SavePixmapPNG(original, folder.path() + "missing/shot.png", 5), 0);
}

TEST(Pixmap, BmpIsReadTopDownWithoutAlpha) {
  const auto bytes = Bmp24(3, 2, [](int x, int y) { return uint32_t(x * 80) << 16 | uint32_t(y * 200); });
  const PixmapPtr pixmap = DecodePixmap(bytes);
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(pixmap->format, kPixelRGB888);
  EXPECT_EQ(pixmap->ReadPixel(2, 0), 0xFFA00000u);
  EXPECT_EQ(pixmap->ReadPixel(1, 1), 0xFF5000C8u);
}

TEST(Pixmap, JpegDecodesToRgb) {
  const PixmapPtr pixmap = DecodePixmap(JpegOfGrey(16, 8, 128));
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(pixmap->width, 16);
  EXPECT_EQ(pixmap->height, 8);
  const uint32_t p = pixmap->ReadPixel(8, 4);
  EXPECT_NEAR(int((p >> 8) & 255), 128, 3);
}

TEST(Pixmap, BrokenOrTruncatedPicturesGiveNull) {
  const auto png = EncodePng(Pattern(kPixelRGB888), 5);
  const auto bmp = Bmp24(4, 4, [](int, int) { return 0u; });
  const auto jpeg = JpegOfGrey(8, 8, 10);
  for (const auto& bytes : {std::vector<uint8_t>(png.begin(), png.begin() + 40),
                            std::vector<uint8_t>(bmp.begin(), bmp.begin() + 60),
                            std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 20), std::vector<uint8_t>{'x', 'y', 'z'},
                            std::vector<uint8_t>{}}) {
    EXPECT_FALSE(DecodePixmap(bytes));
  }
  EXPECT_FALSE(LoadPixmap("no/such/picture.png"));
  EXPECT_FALSE(LoadImage("no/such/picture.png"));
}

TEST(Pixmap, HalvingAveragesAndStopsAtOnePixel) {
  TPixmap two(2, 1, kPixelRGB888);
  two.WritePixel(0, 0, 0xFF000000u);
  two.WritePixel(1, 0, 0xFFC8C8C8u);
  const TPixmap half = two.Halved();
  EXPECT_EQ(half.width, 1);
  EXPECT_EQ(half.height, 1);
  EXPECT_EQ(half.ReadPixel(0, 0), 0xFF646464u);
}

struct SheetCase {
  int first, count;
  bool loads;
};

TEST(AnimImage, CutsFramesRowByRowAndRefusesTooFewCells) {
  // A 3 x 2 sheet of 4 x 4 cells, each cell filled with its index.
  TPixmap sheet(12, 8, kPixelRGB888);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 12; ++x) sheet.WritePixel(x, y, uint32_t((y / 4) * 3 + x / 4));
  }
  for (const SheetCase& c : {SheetCase{0, 6, true}, SheetCase{2, 3, true}, SheetCase{4, 3, false}, SheetCase{0, 7, false}}) {
    const ImagePtr image = LoadAnimImage(sheet, 4, 4, c.first, c.count, 0);
    ASSERT_EQ(bool(image), c.loads) << c.first << "+" << c.count;
    if (!image) continue;
    ASSERT_EQ(image->FrameCount(), c.count);
    for (int i = 0; i < c.count; ++i) EXPECT_EQ(image->pixmaps[size_t(i)]->ReadPixel(1, 1) & 0xFF, uint32_t(c.first + i));
  }
}

TEST(Image, MaskColourBecomesTransparentOnlyForMaskedPicturesWithoutAlpha) {
  TPixmap rgb(2, 1, kPixelRGB888);
  rgb.WritePixel(0, 0, 0xFFFF00FFu);
  rgb.WritePixel(1, 0, 0xFF00FF00u);
  const ImagePtr masked = LoadImage(rgb, kMaskedImage);
  const ImagePtr plain = LoadImage(rgb, 0);
  // The mask colour is captured when the image is made.
  masked->mask_r = 255;
  masked->mask_g = 0;
  masked->mask_b = 255;
  plain->mask_r = 255;
  plain->mask_b = 255;
  EXPECT_EQ(masked->UploadPixels(0).ReadPixel(0, 0) >> 24, 0u);
  EXPECT_EQ(masked->UploadPixels(0).ReadPixel(1, 0) >> 24, 255u);
  EXPECT_EQ(plain->UploadPixels(0).ReadPixel(0, 0) >> 24, 255u);
  TPixmap rgba = rgb.Convert(kPixelRGBA8888);
  rgba.WritePixel(1, 0, 0x4000FF00u);
  const ImagePtr withAlpha = LoadImage(rgba, kMaskedImage);
  EXPECT_EQ(withAlpha->UploadPixels(0).ReadPixel(0, 0) >> 24, 255u) << "an alpha channel is kept as it is";
  EXPECT_EQ(withAlpha->UploadPixels(0).ReadPixel(1, 0) >> 24, 0x40u);
  EXPECT_EQ(ResolveImageFlags(-1), 3);
}
