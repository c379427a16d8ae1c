#include "synth/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace synth {
namespace {

// The libvorbis encoder state, released in reverse order of creation.
class VorbisEncoder {
 public:
  VorbisEncoder() {
    vorbis_info_init(&info_);
    vorbis_comment_init(&comment_);
  }
  ~VorbisEncoder() {
    if (streaming_) ogg_stream_clear(&stream_);
    if (analysing_) {
      vorbis_block_clear(&block_);
      vorbis_dsp_clear(&dsp_);
    }
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }
  VorbisEncoder(const VorbisEncoder&) = delete;
  VorbisEncoder& operator=(const VorbisEncoder&) = delete;

  bool Start(int channels, const VorbisSettings& settings) {
    if (vorbis_encode_init_vbr(&info_, channels, settings.rate, settings.quality) != 0) return false;
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    analysing_ = true;
    ogg_stream_init(&stream_, static_cast<int>(settings.serial));
    streaming_ = true;
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &identification);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    // The headers end on a page of their own, as decoders expect.
    while (ogg_stream_flush(&stream_, &page_) != 0) AppendPage();
    return true;
  }

  void Feed(const std::vector<const Mono*>& channels, size_t begin, size_t count) {
    float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
    for (size_t c = 0; c < channels.size(); ++c) {
      const Mono& source = *channels[c];
      for (size_t i = 0; i < count; ++i) buffer[c][i] = std::clamp(source[begin + i], -1.0f, 1.0f);
    }
    vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
    Drain();
  }

  void Finish() {
    vorbis_analysis_wrote(&dsp_, 0);
    Drain();
  }

  Bytes& bytes() { return bytes_; }

 private:
  void Drain() {
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
        ogg_stream_packetin(&stream_, &packet);
        while (ogg_stream_pageout(&stream_, &page_) != 0) AppendPage();
      }
    }
    if (dsp_.eofflag) {
      while (ogg_stream_flush(&stream_, &page_) != 0) AppendPage();
    }
  }

  void AppendPage() {
    bytes_.insert(bytes_.end(), page_.header, page_.header + page_.header_len);
    bytes_.insert(bytes_.end(), page_.body, page_.body + page_.body_len);
  }

  vorbis_info info_{};
  vorbis_comment comment_{};
  vorbis_dsp_state dsp_{};
  vorbis_block block_{};
  ogg_stream_state stream_{};
  ogg_page page_{};
  bool analysing_ = false;
  bool streaming_ = false;
  Bytes bytes_;
};

}  // namespace

Bytes EncodeVorbis(const std::vector<const Mono*>& channels, const VorbisSettings& settings) {
  if (channels.empty()) return {};
  const size_t frames = channels.front()->size();
  for (const Mono* channel : channels) {
    if (channel->size() != frames) return {};
  }
  VorbisEncoder encoder;
  if (!encoder.Start(static_cast<int>(channels.size()), settings)) return {};
  constexpr size_t kChunk = 4096;
  for (size_t begin = 0; begin < frames; begin += kChunk) {
    encoder.Feed(channels, begin, std::min(kChunk, frames - begin));
  }
  encoder.Finish();
  return std::move(encoder.bytes());
}

Bytes EncodeVorbis(const Mono& mono, const VorbisSettings& settings) { return EncodeVorbis(std::vector<const Mono*>{&mono}, settings); }

Bytes EncodeVorbis(const Stereo& stereo, const VorbisSettings& settings) {
  return EncodeVorbis(std::vector<const Mono*>{&stereo.left, &stereo.right}, settings);
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
  std::error_code error;
  const std::filesystem::path file(path);
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (bytes.empty() || !out) {
    std::fprintf(stderr, "Cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace synth
