#include "test_audio_ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

std::vector<int16_t> SineTone(int frames, int channels, int hertz, double pitch, double amplitude) {
  std::vector<int16_t> pcm(static_cast<size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i) {
    const double value = amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * pitch * i / hertz);
    for (int c = 0; c < channels; ++c) pcm[static_cast<size_t>(i) * channels + c] = static_cast<int16_t>(value);
  }
  return pcm;
}

namespace {

void AppendPage(std::string& out, const ogg_page& page) {
  out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
  out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
}

class Encoder {
 public:
  Encoder(int channels, int hertz) : channels_(channels) {
    vorbis_info_init(&info_);
    if (vorbis_encode_init_vbr(&info_, channels, hertz, 0.4f) != 0) throw std::runtime_error("vorbisenc refused");
    vorbis_comment_init(&comment_);
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, 20261210);  // fixed serial: the same bytes every run
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;
  ~Encoder() {
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }

  std::string Encode(const std::vector<int16_t>& pcm) {
    WriteHeaders();
    const int frames = static_cast<int>(pcm.size()) / channels_;
    constexpr int kBlock = 1024;
    for (int start = 0; start < frames; start += kBlock) {
      const int count = std::min(kBlock, frames - start);
      float** buffer = vorbis_analysis_buffer(&dsp_, count);
      for (int i = 0; i < count; ++i) {
        for (int c = 0; c < channels_; ++c) {
          buffer[c][i] = pcm[static_cast<size_t>(start + i) * channels_ + c] / 32768.0f;
        }
      }
      vorbis_analysis_wrote(&dsp_, count);
      Drain();
    }
    vorbis_analysis_wrote(&dsp_, 0);
    Drain();
    return out_;
  }

 private:
  void WriteHeaders() {
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &header, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &header);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0) AppendPage(out_, page);
  }

  void Drain() {
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
        ogg_stream_packetin(&stream_, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream_, &page) != 0) AppendPage(out_, page);
      }
    }
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0) AppendPage(out_, page);
  }

  int channels_;
  vorbis_info info_;
  vorbis_comment comment_;
  vorbis_dsp_state dsp_;
  vorbis_block block_;
  ogg_stream_state stream_;
  std::string out_;
};

}  // namespace

std::string EncodeOggVorbis(const std::vector<int16_t>& interleaved, int channels, int hertz) {
  Encoder encoder(channels, hertz);
  return encoder.Encode(interleaved);
}
