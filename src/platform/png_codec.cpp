// PNG through libpng, read from and written to memory so that embedded files work too.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "platform/open_stream.h"
#include "platform/pixmap_codecs.h"

namespace {

struct MemoryReader {
  const std::vector<uint8_t>* bytes;
  size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (reader->pos + count > reader->bytes->size()) png_error(png, "truncated PNG");
  std::memcpy(out, reader->bytes->data() + reader->pos, count);
  reader->pos += count;
}

void WriteToMemory(png_structp png, png_bytep data, png_size_t count) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + count);
}

void FlushNothing(png_structp) {}

// Owns the libpng read structures.
class PngReader {
 public:
  PngReader() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~PngReader() { png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

class PngWriter {
 public:
  PngWriter() {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~PngWriter() { png_destroy_write_struct(&png_, info_ ? &info_ : nullptr); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

// Everything to 8-bit RGB or RGBA.
void RequestEightBitColour(png_structp png, png_infop info) {
  const int colourType = png_get_color_type(png, info);
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

}  // namespace

namespace {

// libpng reports errors by longjmp: everything this touches lives in the caller.
bool ReadPng(PngReader& reader, MemoryReader& source, PixmapPtr& pixmap, std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(reader.png_))) return false;
  png_set_read_fn(reader.png_, &source, ReadFromMemory);
  png_read_info(reader.png_, reader.info_);
  const png_uint_32 width = png_get_image_width(reader.png_, reader.info_);
  const png_uint_32 height = png_get_image_height(reader.png_, reader.info_);
  if (width == 0 || height == 0 || width > 16384 || height > 16384) return false;
  RequestEightBitColour(reader.png_, reader.info_);
  const int channels = png_get_channels(reader.png_, reader.info_);
  if (channels != 3 && channels != 4) return false;
  pixmap = std::make_unique<TPixmap>(int(width), int(height), channels == 4 ? kPixelRGBA8888 : kPixelRGB888);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = pixmap->Row(int(y));
  png_read_image(reader.png_, rows.data());
  png_read_end(reader.png_, nullptr);
  return true;
}

bool WritePng(PngWriter& writer, const TPixmap& pixmap, int compression, std::vector<uint8_t>& out,
              std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(writer.png_))) return false;
  png_set_write_fn(writer.png_, &out, WriteToMemory, FlushNothing);
  png_set_compression_level(writer.png_, compression < 0 ? 0 : (compression > 9 ? 9 : compression));
  png_set_IHDR(writer.png_, writer.info_, png_uint_32(pixmap.width), png_uint_32(pixmap.height), 8,
               pixmap.HasAlpha() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(writer.png_, writer.info_);
  for (int y = 0; y < pixmap.height; ++y) rows[size_t(y)] = const_cast<png_bytep>(pixmap.Row(y));
  png_write_image(writer.png_, rows.data());
  png_write_end(writer.png_, nullptr);
  return true;
}

}  // namespace

PixmapPtr DecodePng(const std::vector<uint8_t>& bytes) {
  PngReader reader;
  if (!reader.info_) return nullptr;
  MemoryReader source{&bytes, 0};
  PixmapPtr pixmap;
  std::vector<png_bytep> rows;
  if (!ReadPng(reader, source, pixmap, rows)) return nullptr;
  return pixmap;
}

std::vector<uint8_t> EncodePng(const TPixmap& pixmap, int compression) {
  std::vector<uint8_t> out;
  PngWriter writer;
  if (!writer.info_ || pixmap.width <= 0 || pixmap.height <= 0) return {};
  std::vector<png_bytep> rows(size_t(pixmap.height));
  if (!WritePng(writer, pixmap, compression, out, rows)) return {};
  return out;
}

int SavePixmapPNG(const TPixmap& pixmap, const std::string& location, int compression) {
  const std::vector<uint8_t> bytes = EncodePng(pixmap, compression);
  if (bytes.empty()) return 0;
  StreamPtr stream = WriteStream(location);
  if (!stream) return 0;
  const size_t written = stream->Write(bytes.data(), bytes.size());
  stream->Close();
  return written == bytes.size() && !stream->Failed() ? 1 : 0;
}
