// JPEG through libjpeg, decoded from memory to 8-bit RGB.
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include <csetjmp>

#include "platform/pixmap_codecs.h"

namespace {

struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1); }
void StayQuiet(j_common_ptr, int) {}

// Owns the decompressor.
struct JpegDecoder {
  jpeg_decompress_struct info{};
  ErrorJump error{};
  JpegDecoder() {
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOnError;
    error.manager.emit_message = StayQuiet;
    jpeg_create_decompress(&info);
  }
  ~JpegDecoder() { jpeg_destroy_decompress(&info); }
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;
};

// libjpeg reports errors by longjmp: everything this touches lives in the caller.
bool ReadJpeg(JpegDecoder& decoder, const std::vector<uint8_t>& bytes, PixmapPtr& pixmap) {
  if (setjmp(decoder.error.jump)) return false;
  jpeg_mem_src(&decoder.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&decoder.info, TRUE) != JPEG_HEADER_OK) return false;
  decoder.info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&decoder.info);
  if (decoder.info.output_components != 3 || decoder.info.output_width > 16384 || decoder.info.output_height > 16384) {
    return false;
  }
  pixmap = std::make_unique<TPixmap>(int(decoder.info.output_width), int(decoder.info.output_height), kPixelRGB888);
  while (decoder.info.output_scanline < decoder.info.output_height) {
    JSAMPROW row = pixmap->Row(int(decoder.info.output_scanline));
    jpeg_read_scanlines(&decoder.info, &row, 1);
  }
  jpeg_finish_decompress(&decoder.info);
  return true;
}

}  // namespace

PixmapPtr DecodeJpeg(const std::vector<uint8_t>& bytes) {
  JpegDecoder decoder;
  PixmapPtr pixmap;
  if (!ReadJpeg(decoder, bytes, pixmap)) return nullptr;
  return pixmap;
}
