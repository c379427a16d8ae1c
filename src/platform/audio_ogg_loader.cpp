#include "platform/audio_ogg_loader.h"

#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/debug_output.h"

namespace {

// vorbisfile reads through our stream; offsets count from where the Ogg data begins.
struct OggSource {
  TStream* stream;
  int64_t start;
};

size_t ReadSource(void* buffer, size_t size, size_t count, void* data) {
  if (size == 0) return 0;
  auto* source = static_cast<OggSource*>(data);
  return source->stream->Read(buffer, size * count) / size;
}

int SeekSource(void* data, ogg_int64_t offset, int whence) {
  auto* source = static_cast<OggSource*>(data);
  int64_t target = 0;
  switch (whence) {
    case SEEK_SET: target = source->start + offset; break;
    case SEEK_CUR: target = source->stream->Pos() + offset; break;
    case SEEK_END: target = source->stream->Size() + offset; break;
    default: return -1;
  }
  if (target < source->start) return -1;
  return source->stream->Seek(target) ? 0 : -1;
}

long TellSource(void* data) {
  auto* source = static_cast<OggSource*>(data);
  return static_cast<long>(source->stream->Pos() - source->start);
}

// An open decoder, cleared however decoding ends.
class VorbisFile {
 public:
  VorbisFile() { std::memset(&file_, 0, sizeof file_); }
  VorbisFile(const VorbisFile&) = delete;
  VorbisFile& operator=(const VorbisFile&) = delete;
  ~VorbisFile() { ov_clear(&file_); }

  bool Open(OggSource& source) {
    const ov_callbacks callbacks = {ReadSource, SeekSource, nullptr, TellSource};
    return ov_open_callbacks(&source, &file_, nullptr, 0, callbacks) == 0;
  }
  OggVorbis_File* get() { return &file_; }

 private:
  OggVorbis_File file_;
};

bool SameLayout(const vorbis_info* a, const vorbis_info* b) {
  return a && b && a->channels == b->channels && a->rate == b->rate;
}

// Decodes every packet to interleaved 16-bit little-endian bytes; false on a broken stream
// or a chained stream whose parts differ in layout.
bool DecodeAll(OggVorbis_File* file, const vorbis_info* layout, std::vector<uint8_t>& pcm) {
  char block[8192];
  int section = 0;
  for (;;) {
    const long got = ov_read(file, block, sizeof block, 0, 2, 1, &section);
    if (got == 0) return true;
    if (got == OV_HOLE) continue;  // a gap in the data: the rest still plays
    if (got < 0) return false;
    if (!SameLayout(layout, ov_info(file, section))) return false;
    pcm.insert(pcm.end(), block, block + got);
  }
}

}  // namespace

std::optional<TAudioSample> TAudioSampleLoaderOGG::LoadAudioSample(TStream& stream) {
  OggSource source{&stream, stream.Pos()};
  VorbisFile file;
  if (!file.Open(source)) return std::nullopt;
  const vorbis_info* info = ov_info(file.get(), -1);
  if (!info || (info->channels != 1 && info->channels != 2) || info->rate <= 0) {
    DebugLog("Ogg Vorbis stream is neither mono nor stereo");
    return std::nullopt;
  }
  std::vector<uint8_t> pcm;
  if (!DecodeAll(file.get(), info, pcm)) {
    DebugLog("Ogg Vorbis stream could not be decoded");
    return std::nullopt;
  }
  const int format = info->channels == 2 ? kSampleStereo16LE : kSampleMono16LE;
  return TAudioSample::FromBytes(std::move(pcm), static_cast<int>(info->rate), format);
}
