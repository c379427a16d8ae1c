#include "platform/audio_sample_loader.h"

#include <exception>
#include <vector>

#include "platform/audio_ogg_loader.h"
#include "platform/debug_output.h"
#include "platform/open_stream.h"

namespace {

std::vector<std::unique_ptr<TAudioSampleLoader>>& Loaders() {
  static std::vector<std::unique_ptr<TAudioSampleLoader>> loaders = [] {
    std::vector<std::unique_ptr<TAudioSampleLoader>> list;
    list.push_back(std::make_unique<TAudioSampleLoaderOGG>());
    return list;
  }();
  return loaders;
}

}  // namespace

void RegisterAudioSampleLoader(std::unique_ptr<TAudioSampleLoader> loader) {
  if (loader) Loaders().push_back(std::move(loader));
}

std::optional<TAudioSample> LoadAudioSample(TStream& stream) {
  const int64_t start = stream.Pos();
  if (!stream.Seek(start)) {
    DebugLog("Stream is not seekable");
    return std::nullopt;
  }
  for (const auto& loader : Loaders()) {
    if (!stream.Seek(start)) return std::nullopt;
    try {
      if (auto sample = loader->LoadAudioSample(stream)) return sample;
    } catch (const std::exception& error) {
      DebugLog(std::string("Sample loader failed: ") + error.what());
    }
  }
  return std::nullopt;
}

std::optional<TAudioSample> LoadAudioSample(const std::string& location) {
  StreamPtr stream = ReadStream(location);
  if (!stream) return std::nullopt;
  std::optional<TAudioSample> sample = LoadAudioSample(*stream);
  stream->Close();
  return sample;
}
