// Ogg Vorbis decoding into 16-bit little-endian mono or stereo at the file's rate.
#pragma once

#include "platform/audio_sample_loader.h"

class TAudioSampleLoaderOGG : public TAudioSampleLoader {
 public:
  std::optional<TAudioSample> LoadAudioSample(TStream& stream) override;
};
