// The chain of sample decoders tried in turn on a stream.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/audio_sample.h"
#include "platform/stream.h"

class TAudioSampleLoader {
 public:
  TAudioSampleLoader() = default;
  TAudioSampleLoader(const TAudioSampleLoader&) = delete;
  TAudioSampleLoader& operator=(const TAudioSampleLoader&) = delete;
  virtual ~TAudioSampleLoader() = default;
  // The stream's data from its current position as a sample, or none when this loader
  // cannot read it.
  virtual std::optional<TAudioSample> LoadAudioSample(TStream& stream) = 0;
};

// Appends a loader to the chain (the Ogg Vorbis loader is always first).
void RegisterAudioSampleLoader(std::unique_ptr<TAudioSampleLoader> loader);

// Tries every loader from the stream's current position; the first sample wins. A loader
// that throws counts as one that cannot read the data. None for a stream that cannot seek.
std::optional<TAudioSample> LoadAudioSample(TStream& stream);
// Opens a path or "incbin::" name; none when it is missing or no loader can read it.
std::optional<TAudioSample> LoadAudioSample(const std::string& location);
